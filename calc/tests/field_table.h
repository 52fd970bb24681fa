#pragma once

#include <map>
#include <string>
#include <string_view>

#include "calc/field_access.h"

// What the tests, the fuzz targets and the benchmarks give a compute in place of a screen.
namespace calc::testing {

using Texts = std::map<std::string, std::string, std::less<>>;

// A plain table of field texts that stands in for a screen; a name it does not hold raises
// UnknownField, as a screen's does.
class FieldTable : public FieldAccess {
  public:
    FieldTable() = default;
    explicit FieldTable(Texts texts) : texts_(std::move(texts)) {}

    std::string text(std::string_view name) override;
    void setText(std::string_view name, std::string_view text) override;

    const Texts& texts() const { return texts_; }

  private:
    std::string& field(std::string_view name);

    Texts texts_;
};

// A geometry screen's four fields: two typed, two results.
Texts geometryFields(std::string_view txt1, std::string_view txt2 = "", std::string_view txt3 = "",
                     std::string_view txt4 = "");

// The calculator's decimal, octal and hexadecimal rows, each with its left and right operands
// and its result.
struct RowTexts {
    std::string_view left, right, result;
};
Texts calculatorFields(RowTexts dec, RowTexts oct, RowTexts hex);
// Each row its own left operand and the same right one, results empty.
Texts calculatorFields(std::string_view dec, std::string_view oct, std::string_view hex,
                       std::string_view right);

// Every screen's fields with the same two texts typed in, results empty.
Texts typedEverywhere(std::string_view a, std::string_view b);

}  // namespace calc::testing
