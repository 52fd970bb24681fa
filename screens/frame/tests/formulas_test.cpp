// Each result field says how it was found: its formula, and the numbers of the last compute.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "calc/calc.h"
#include "screen_harness.h"
#include "testing/separator_guard.h"

namespace screens {
namespace {

using calc::RowOp;
using enum ScreenId;
using Run = std::function<void(calc::FieldAccess&)>;
using Texts = std::vector<std::pair<const char*, const char*>>;

Texts allRows(const char* left, const char* right) {
    return {{"txt1Dec", left},  {"txt2Dec", right}, {"txt1Oct", left},
            {"txt2Oct", right}, {"txt1Hex", left},  {"txt2Hex", right}};
}
Texts two(const char* txt1, const char* txt2) {
    return {{"txt1", txt1}, {"txt2", txt2}};
}

struct Case {
    ScreenId screen;
    Run run;
    Texts typed;
    const char* field;
    const char* general;
    const char* worked;  // the second line after the compute; null where it stopped first
};

constexpr const char* kSolutionKey = "\nF1 — решение по шагам";  // every tooltip's last line
constexpr const char* kHypotenuse = "Гипотенуза: c = √(a² + b²)";
constexpr const char* kCircumference = "Длина окружности: C = 2πr, π ≈ 3,14";
constexpr const char* kCircleArea = "Площадь круга: S = πr²";
constexpr const char* kCylinderTotal = "Полная поверхность: S = 2πr(r + h)";
constexpr const char* kConeLateral = "Боковая поверхность: S = πrl, образующая l = √(r² + h²)";
constexpr const char* kDecimal = "Результат в десятичной системе";
constexpr const char* kHex = "Результат в шестнадцатеричной системе";

// clang-format off
const Case kCases[] = {
    {Triangle, calc::computeTriangle, two("3", "4"), "txt3", kHypotenuse, "c = √(3² + 4²) = 5"},
    {Triangle, calc::computeTriangle, two("3", "4"), "txt4", "Площадь: S = a·b : 2", "S = 3 · 4 : 2 = 6"},
    {Circle, calc::computeCircle, {{"txt1", "2.5"}}, "txt2", kCircumference, "C = 2 · 3,14 · 2,5 = 15,7"},
    {Circle, calc::computeCircle, {{"txt1", "2,5"}}, "txt3", kCircleArea, "S = 3,14 · 2,5² = 19,625"},
    {Circle, calc::computeCircle, {{"txt1", "-1"}}, "txt3", kCircleArea, "S = 3,14 · (-1)² = 3,14"},
    {Cylinder, calc::computeCylinder, two("2", "3"), "txt3", "Боковая поверхность: S = 2πrh", "S = 2 · 3,14 · 2 · 3 = 37,68"},
    {Cylinder, calc::computeCylinder, two("2", "3"), "txt4", kCylinderTotal, "S = 2 · 3,14 · 2 · (2 + 3) = 62,8"},
    {Cone, calc::computeCone, two("3", "4"), "txt3", kConeLateral, "l = √(3² + 4²) = 5; S = 3,14 · 3 · 5 = 47,1"},
    {Cone, calc::computeCone, two("3", "4"), "txt4", "Полная поверхность: S = πr(r + l), образующая l = √(r² + h²)",
     "l = √(3² + 4²) = 5; S = 3,14 · 3 · (3 + 5) = 75,36"},
    {Calculator, calc::computeRowsWith<RowOp::Divide>, allRows("7", "2"), "txt3Dec", kDecimal, "7 : 2 = 3,5"},
    {Calculator, calc::computeRowsWith<RowOp::Divide>, allRows("7", "2"), "txt3Oct", "Результат в восьмеричной системе", "7 : 2 = 3,4 (в восьмеричной системе)"},
    {Calculator, calc::computeRowsWith<RowOp::Divide>, allRows("7", "2"), "txt3Hex", kHex, "7 : 2 = 3,8 (в шестнадцатеричной системе)"},
    {Calculator, calc::computeRowsWith<RowOp::Add>, allRows("7", "&H1F"), "txt3Hex", kHex, "7 + 31 = 26 (в шестнадцатеричной системе)"},
    {Calculator, calc::computeRowsWith<RowOp::Subtract>, allRows("3", "5"), "txt3Dec", kDecimal, "3 − 5 = -2"},
    {Calculator, calc::computeRowsWith<RowOp::Multiply>, allRows("1e200", "1e-200"), "txt3Dec", kDecimal, "(1E+200) · (1E-200) = 1"},
    // After an error, what the compute wrote first is worked; what it did not write is general.
    {Triangle, calc::computeTriangle, two("1e200", "1"), "txt3", kHypotenuse, nullptr},
    {Circle, calc::computeCircle, {{"txt1", "1e200"}}, "txt2", kCircumference, "C = 2 · 3,14 · (1E+200) = 6,28E+200"},
    {Circle, calc::computeCircle, {{"txt1", "1e200"}}, "txt3", kCircleArea, nullptr},
    {Cylinder, calc::computeCylinder, two("2", "abc"), "txt4", kCylinderTotal, nullptr},
    {Cone, calc::computeCone, two("3", "1e200"), "txt3", kConeLateral, nullptr},
    {Calculator, calc::computeRowsWith<RowOp::Divide>, allRows("1", "0"), "txt3Dec", kDecimal, nullptr},
};
// clang-format on

// Every case first computes from ones, so that each result has a worked line to lose.
TEST(Formulas, GeneralThenWorkedOrGeneralAgainAfterAnError) {
    SeparatorGuard comma(',');
    for (const Case& c : kCases) {
        testing::ScreenHarness harness(c.screen);
        QWidget* field = harness.control(c.field);
        EXPECT_EQ(field->toolTip().toStdString(), c.general + std::string(kSolutionKey))
            << c.field << " before a compute";
        for (bool ones : {true, false}) {
            for (const auto& [name, text] : c.typed)
                harness.screen->fields().setText(name, ones ? "1" : text);
            try {
                harness.screen->runExplained(c.run);
            } catch (const calc::RuntimeError&) {
                EXPECT_FALSE(ones) << c.field << " computed from ones";
            }
        }
        const std::string expected =
            (c.worked ? std::string(c.general) + "\n" + c.worked : c.general) + kSolutionKey;
        EXPECT_EQ(field->toolTip().toStdString(), expected);
        EXPECT_EQ(field->accessibleDescription(), field->toolTip()) << "a screen reader says it";
    }
}

}  // namespace
}  // namespace screens
