// Feeds arbitrary texts to the conversions and the five calculations. Any crash, sanitizer
// report or broken round trip is a finding.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calc.h"
#include "calc/tests/field_table.h"

namespace {

// The input is a selector byte followed by texts separated by '|'.
std::vector<std::string> splitTexts(std::string_view data) {
    std::vector<std::string> texts;
    std::size_t start = 0;
    for (;;) {
        std::size_t bar = data.find('|', start);
        texts.emplace_back(data.substr(start, bar - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    while (texts.size() < 9) texts.emplace_back();
    return texts;
}

void require(bool condition) {
    if (!condition) __builtin_trap();
}

void checkConversions(const std::string& text) {
    try {
        double value = calc::valueOf(text);
        require(std::isfinite(value));
        std::string written = calc::textOf(value);
        require(calc::textOf(calc::valueOf(written)) == written);
        calc::octalText(value);
        calc::hexText(value);
    } catch (const calc::RuntimeError& e) {
        require(e.code() == calc::Error::Overflow);
    }
    try {
        double value = calc::coerceToDouble(text);
        require(value == calc::valueOf(text));  // strict agrees with lenient
    } catch (const calc::RuntimeError&) {
    }
}

void checkWriters(std::string_view bytes) {
    if (bytes.size() < sizeof(double)) return;
    double value = 0;
    std::memcpy(&value, bytes.data(), sizeof value);
    std::string written = calc::textOf(value);
    if (std::isfinite(value)) require(calc::textOf(calc::valueOf(written)) == written);
    calc::octalText(value);
    calc::hexText(value);
}

void runCalculation(std::uint8_t selector, const std::vector<std::string>& texts) {
    calc::testing::Texts fields =
        calc::testing::geometryFields(texts[0], texts[1], texts[2], texts[3]);
    fields.merge(calc::testing::calculatorFields({texts[0], texts[1], ""}, {texts[4], texts[5], ""},
                                                 {texts[6], texts[7], ""}));
    calc::testing::FieldTable table(fields);
    calc::WorkedFields worked(table);
    try {
        switch (selector % 8) {
            case 0: calc::computeTriangle(worked); break;
            case 1: calc::computeCircle(worked); break;
            case 2: calc::computeCylinder(worked); break;
            case 3: calc::computeCone(worked); break;
            default: calc::computeRows(worked, static_cast<calc::RowOp>(selector % 4)); break;
        }
    } catch (const calc::RuntimeError&) {
    }
    // The working tells of each result exactly the text its field was given.
    for (const calc::WorkedResult& result : worked.working()->results) {
        require(table.texts().at(result.field) == result.text);
    }
    // Inputs are never changed by a calculation (the circle's txt2 is a result).
    require(table.texts().at("txt1") == texts[0]);
    if (selector % 8 != 1) require(table.texts().at("txt2") == texts[1]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    calc::setDecimalSeparator((data[0] & 0x80) != 0 ? ',' : '.');
    switch ((data[0] >> 5) & 0x3) {
        case 0: checkConversions(std::string(rest)); break;
        case 1: checkWriters(rest); break;
        default: runCalculation(data[0], splitTexts(rest)); break;
    }
    return 0;
}
