// The calculator: three rows (decimal, octal, hexadecimal), four operator buttons.
#include <array>

#include "screens/tables/screen_tables.h"
#include "screens/tables/shared.h"

namespace screens::tables {

namespace {

using assets::Picture;
using calc::computeRowsWith;
using calc::RowOp;

// clang-format off
constexpr Formula kDecimal{"Результат в десятичной системе", "{a} {op} {b} = {=}",
    "{a} {op} {b} = {x}", "{a} {op} {b}"};
constexpr Formula kOctal{"Результат в восьмеричной системе",
    "{a} {op} {b} = {=} (в восьмеричной системе)", "{a} {op} {b} = {x}", "{a} {op} {b}", 8};
constexpr Formula kHex{"Результат в шестнадцатеричной системе",
    "{a} {op} {b} = {=} (в шестнадцатеричной системе)", "{a} {op} {b} = {x}", "{a} {op} {b}", 16};
// clang-format on

// One row a control (twips).
// clang-format off
constexpr std::array kControls{
    textBox("txt1Dec", 2640, 1680, 855, 285, 0, "десятичная система счисления, первое число"),
    textBox("txt2Dec", 3720, 1680, 855, 285, 1, "десятичная система счисления, второе число"),
    resultBox("txt3Dec", 2400, 1200, 4695, 285, 2, "десятичная система счисления, результат", kDecimal),
    button("cmd1", "", 7800, 3000, 375, 375, 3, Picture::TimesSign, Compute{computeRowsWith<RowOp::Multiply>}, "умножить"),
    textBox("txt2Oct", 3720, 3360, 855, 285, 4, "восьмеричная система счисления, второе число"),
    resultBox("txt3Oct", 2400, 2880, 4695, 285, 5, "восьмеричная система счисления, результат", kOctal),
    button("Command1", "", 7800, 1560, 375, 375, 6, Picture::PlusSign, Compute{computeRowsWith<RowOp::Add>}, "плюс"),
    textBox("txt1Oct", 2640, 3360, 855, 285, 7, "восьмеричная система счисления, первое число"),
    button("Command2", "", 7800, 2280, 375, 375, 8, Picture::MinusSign, Compute{computeRowsWith<RowOp::Subtract>}, "минус"),
    button("Command3", "", 7800, 3720, 375, 375, 9, Picture::DivisionSign, Compute{computeRowsWith<RowOp::Divide>}, "разделить"),
    textBox("txt1Hex", 2640, 5040, 855, 285, 10, "шестнадцатеричная система счисления, первое число"),
    textBox("txt2Hex", 3720, 5040, 855, 285, 11, "шестнадцатеричная система счисления, второе число"),
    resultBox("txt3Hex", 2400, 4560, 4695, 285, 12, "шестнадцатеричная система счисления, результат", kHex),
    backButton(13),
    label("Label1", "десятичная с/ч", 2520, 960, 1335, 255, 14, kWhite),
    label("Label2", "восьмеричная с/ч", 2520, 2640, 1455, 255, 15, kWhite),
    // "шеснадцатеричная", without its "т": the caption is the program's own text, kept exactly as
    // it stands, spelling included.
    label("Label3", "шеснадцатеричная с/ч", 2520, 4320, 2535, 255, 16, kWhite),
    solutionButton(17),
};
// clang-format on

}  // namespace

const ScreenTable& calculator() {
    static const ScreenTable table{
        .id = ScreenId::Calculator,
        .name = "frm6",
        .caption = "Мультисистемный калькулятор",
        .clientWidth = kNarrowClient,
        .clientHeight = kClientHeight,
        .background = Picture::CalculatorBackground,
        .hasIcon = false,
        .controls = kControls,
        .prompt = kOperatorPrompt,
        .subject = "калькулятор",
    };
    return table;
}

}  // namespace screens::tables
