#include "calc/tests/field_table.h"

#include "calc/messages.h"

namespace calc::testing {

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

Texts geometryFields(std::string_view txt1, std::string_view txt2, std::string_view txt3,
                     std::string_view txt4) {
    return {{"txt1", std::string(txt1)},
            {"txt2", std::string(txt2)},
            {"txt3", std::string(txt3)},
            {"txt4", std::string(txt4)}};
}

Texts calculatorFields(RowTexts dec, RowTexts oct, RowTexts hex) {
    Texts texts;
    for (auto [row, t] : {std::pair{"Dec", dec}, {"Oct", oct}, {"Hex", hex}}) {
        texts[std::string("txt1") + row] = t.left;
        texts[std::string("txt2") + row] = t.right;
        texts[std::string("txt3") + row] = t.result;
    }
    return texts;
}

Texts calculatorFields(std::string_view dec, std::string_view oct, std::string_view hex,
                       std::string_view right) {
    return calculatorFields({dec, right, ""}, {oct, right, ""}, {hex, right, ""});
}

Texts typedEverywhere(std::string_view a, std::string_view b) {
    Texts texts = geometryFields(a, b);
    texts.merge(calculatorFields(a, a, a, b));
    return texts;
}

}  // namespace calc::testing
