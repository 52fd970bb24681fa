// The calculator's three rows, through a plain table of field texts.
#include <gtest/gtest.h>

#include "calc/calc.h"
#include "calc/tests/field_table.h"
#include "compute_cases.h"
#include "recording_fields.h"

namespace calc {
namespace {

using testing::calculatorFields;
using testing::FieldTable;

TEST(Rows, ResultsAndFaults) {
    const ComputeCase cases[] = {
        {"10 + 5 in every row", computeRowsWith<RowOp::Add>,
         calculatorFields({"10", "5", "old"}, {"10", "5", "old"}, {"10", "5", "old"}),
         calculatorFields({"10", "5", "15"}, {"10", "5", "17"}, {"10", "5", "F"})},
        {"left minus right", computeRowsWith<RowOp::Subtract>,
         calculatorFields({"3", "5", "old"}, {"3", "5", "old"}, {"3", "5", "old"}),
         calculatorFields({"3", "5", "-2"}, {"3", "5", "-2"}, {"3", "5", "-2"})},
        {"7 / 2", computeRowsWith<RowOp::Divide>,
         calculatorFields({"7", "2", "old"}, {"7", "2", "old"}, {"7", "2", "old"}),
         calculatorFields({"7", "2", "3.5"}, {"7", "2", "3.4"}, {"7", "2", "3.8"})},
        {"6 * 7", computeRowsWith<RowOp::Multiply>,
         calculatorFields({"6", "7", "old"}, {"6", "7", "old"}, {"6", "7", "old"}),
         calculatorFields({"6", "7", "42"}, {"6", "7", "52"}, {"6", "7", "2A"})},
        {"octal and hexadecimal rounded like the decimal row", computeRowsWith<RowOp::Add>,
         calculatorFields({"0,1", "0,2", "old"}, {"0,1", "0,2", "old"}, {"0,1", "0,2", "old"}),
         calculatorFields({"0,1", "0,2", "0.3"}, {"0,1", "0,2", "0.23146314631463146"},
                          {"0,1", "0,2", "0.4CCCCCCCCCCCD"})},
        {"1e20 * 1e20", computeRowsWith<RowOp::Multiply>,
         calculatorFields({"1e20", "1e20", "old"}, {"1e20", "1e20", "old"},
                          {"1e20", "1e20", "old"}),
         calculatorFields({"1e20", "1e20", "1E+40"},
                          {"1e20", "1e20", "165431237070327120000000000000000000000000000"},
                          {"1e20", "1e20", "1D6329F1C35CA000000000000000000000"})},
        {"operands are decimal in every row", computeRowsWith<RowOp::Add>,
         calculatorFields({"17", "1", "old"}, {"17", "1", "old"}, {"&HF", "1", "old"}),
         calculatorFields({"17", "1", "18"}, {"17", "1", "22"}, {"&HF", "1", "10"})},
        {"only the decimal row filled", computeRowsWith<RowOp::Add>,
         calculatorFields({"10", "5", "old"}, {"", "", "old"}, {"", "", "old"}),
         calculatorFields({"10", "5", "15"}, {"", "", "0"}, {"", "", "0"})},
        {"division by zero in the hexadecimal row", computeRowsWith<RowOp::Divide>,
         calculatorFields({"1", "2", "old"}, {"1", "2", "old"}, {"1", "0", "old"}),
         calculatorFields({"1", "2", "0.5"}, {"1", "2", "0.4"}, {"1", "0", "old"}),
         Error::DivisionByZero},
        {"division by zero in the decimal row", computeRowsWith<RowOp::Divide>,
         calculatorFields({"1", "0", "old"}, {"1", "2", "old"}, {"1", "2", "old"}),
         calculatorFields({"1", "0", "old"}, {"1", "2", "old"}, {"1", "2", "old"}),
         Error::DivisionByZero},
        {"0 / 0 is an invalid operation", computeRowsWith<RowOp::Divide>,
         calculatorFields({"0", "0", "old"}, {"1", "2", "old"}, {"1", "2", "old"}),
         calculatorFields({"0", "0", "old"}, {"1", "2", "old"}, {"1", "2", "old"}),
         Error::InvalidOperation},
        {"overflow in the octal row", computeRowsWith<RowOp::Multiply>,
         calculatorFields({"2", "3", "old"}, {"1e200", "1e200", "old"}, {"2", "3", "old"}),
         calculatorFields({"2", "3", "6"}, {"1e200", "1e200", "old"}, {"2", "3", "old"}),
         Error::Overflow},
        {"an operand beyond the double range", computeRowsWith<RowOp::Add>,
         calculatorFields({"2", "3", "old"}, {"2", "1e400", "old"}, {"2", "3", "old"}),
         calculatorFields({"2", "3", "5"}, {"2", "1e400", "old"}, {"2", "3", "old"}),
         Error::Overflow, "txt2Oct"},
    };
    for (const auto& c : cases) runCase(c);
}

TEST(Rows, EachRowReadsRightThenLeftThenWrites) {
    RecordingFields fields(calculatorFields({"1", "2", ""}, {"1", "2", ""}, {"1", "2", ""}));
    computeRows(fields, RowOp::Add);
    const std::vector<std::string> expected = {"read txt2Dec", "read txt1Dec", "write txt3Dec",
                                               "read txt2Oct", "read txt1Oct", "write txt3Oct",
                                               "read txt2Hex", "read txt1Hex", "write txt3Hex"};
    EXPECT_EQ(fields.calls(), expected);
}

TEST(Rows, MessagesNameTheRow) {
    FieldTable fields(calculatorFields({"1", "2", ""}, {"1", "2", ""}, {"1", "0", ""}));
    try {
        computeRows(fields, RowOp::Divide);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_STREQ(e.what(), "Деление на ноль невозможно. Строка: шестнадцатеричная система.");
    }
}

}  // namespace
}  // namespace calc
