#include "screens/screen_fields.h"

#include "calc/messages.h"
#include "screens/utf8.h"

namespace screens {

QLineEdit& ScreenFields::box(std::string_view name) {
    const auto it = boxes_.find(name);
    if (it == boxes_.end()) calc::raiseUnknownField(name);
    return *it->second;
}

std::string ScreenFields::text(std::string_view name) {
    return box(name).text().toStdString();
}

// A result longer than its field shows its beginning, where its digits start; the pupil can
// still scroll to the rest.
void ScreenFields::setText(std::string_view name, std::string_view text) {
    QLineEdit& field = box(name);
    field.setText(fromUtf8(text));
    field.setCursorPosition(0);
}

}  // namespace screens
