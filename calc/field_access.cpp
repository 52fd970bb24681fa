#include "field_access.h"
#include "messages.h"

namespace calc {

std::string& FieldTable::field(std::string_view name) {
    auto it = texts_.find(name);
    if (it == texts_.end()) raiseUnknownField(name);
    return it->second;
}

std::string FieldTable::text(std::string_view name) {
    return field(name);
}

void FieldTable::setText(std::string_view name, std::string_view text) {
    field(name).assign(text);
}

}  // namespace calc
