#include "screens/widgets/screen_fields.h"

#include "calc/messages.h"
#include "screens/widgets/utf8.h"

namespace screens {

QLineEdit* ScreenFields::find(std::string_view name) const {
    const auto it = boxes_.find(name);
    return it == boxes_.end() ? nullptr : it->second;
}

QLineEdit& ScreenFields::at(std::string_view name) {
    QLineEdit* found = find(name);
    if (!found) calc::raiseUnknownField(name);
    return *found;
}

std::string ScreenFields::text(std::string_view name) {
    return at(name).text().toStdString();
}

// A field's accessible name is what the screen paints beside it ("радиус"), or its row and
// operand on the calculator.
std::string ScreenFields::caption(std::string_view name) const {
    const QLineEdit* field = find(name);
    return field ? field->accessibleName().toStdString() : std::string();
}

// A result longer than its field shows its beginning, where its digits start; the pupil can
// still scroll to the rest.
void ScreenFields::setText(std::string_view name, std::string_view text) {
    QLineEdit& field = at(name);
    field.setText(fromUtf8(text));
    field.setCursorPosition(0);
}

}  // namespace screens
