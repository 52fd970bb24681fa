#include "screens/frame/error_field.h"

#include <QLineEdit>
#include <new>

#include "calc/messages.h"
#include "screens/access/accessible.h"
#include "screens/widgets/screen_fields.h"

namespace screens {

namespace {

// The field a runtime error is about; null for any other error, or one about no field.
QLineEdit* fieldOf(const ScreenFields& fields, const std::exception& error) {
    const auto* runtime = dynamic_cast<const calc::RuntimeError*>(&error);
    return runtime ? fields.find(runtime->field()) : nullptr;
}

}  // namespace

// A field's accessible name is what the screen paints beside it ("радиус"), or its row and
// operand on the calculator.
std::string messageOnScreen(const ScreenFields& fields, const std::exception& error) {
    if (const auto* runtime = dynamic_cast<const calc::RuntimeError*>(&error)) {
        const QLineEdit* field = fields.find(runtime->field());
        return field ? runtime->messageNaming(field->accessibleName().toStdString())
                     : runtime->what();
    }
    const bool memory = dynamic_cast<const std::bad_alloc*>(&error) != nullptr;
    return std::string(calc::messageFor(memory ? calc::Error::OutOfMemory : calc::Error::Internal));
}

void returnToField(const ScreenFields& fields, const std::exception& error) {
    QLineEdit* field = fieldOf(fields, error);
    if (!field) return;
    field->setFocus(Qt::OtherFocusReason);
    unannounced([field] { field->selectAll(); });  // the focus reads it, selected
}

}  // namespace screens
