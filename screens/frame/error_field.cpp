#include "screens/frame/error_field.h"

#include <QLineEdit>

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

void returnToField(const ScreenFields& fields, const std::exception& error) {
    QLineEdit* field = fieldOf(fields, error);
    if (!field) return;
    field->setFocus(Qt::OtherFocusReason);
    unannounced([field] { field->selectAll(); });  // the focus reads it, selected
}

}  // namespace screens
