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

void ScreenFields::setText(std::string_view name, std::string_view text) {
    box(name).setText(fromUtf8(text));
}

}  // namespace screens
