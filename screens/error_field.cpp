#include "screens/error_field.h"

#include <QLineEdit>

#include "screens/accessible.h"
#include "screens/screen.h"

namespace screens {

// A field's accessible name is what the screen paints beside it ("радиус"), or its row and
// operand on the calculator.
std::string messageOnScreen(Screen& screen, const calc::RuntimeError& error) {
    const QLineEdit* field = screen.fields().find(error.field());
    if (!field) return error.what();
    return error.messageNaming(field->accessibleName().toStdString());
}

void returnToField(Screen& screen, const calc::RuntimeError& error) {
    QLineEdit* field = screen.fields().find(error.field());
    if (!field) return;
    field->setFocus(Qt::OtherFocusReason);
    unannounced([field] { field->selectAll(); });  // the focus reads it, selected
}

}  // namespace screens
