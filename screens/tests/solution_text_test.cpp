// The solution's text: every number one the compute produced, in its order, as the screen
// writes it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calc/calc.h"
#include "testing/separator_guard.h"
#include "screens/solution_text.h"

namespace screens {
namespace {

using enum ScreenId;
using Run = std::function<void(calc::FieldAccess&)>;
using Texts = calc::FieldTable::Texts;

Texts fields(const char* txt1, const char* txt2 = "") {
    return {{"txt1", txt1}, {"txt2", txt2}, {"txt3", ""}, {"txt4", ""}};
}
// Each row its own operands, decimal first.
Texts rowFields(const char* dec, const char* oct, const char* hex, const char* right) {
    Texts texts;
    for (auto [row, left] : {std::pair{"Dec", dec}, {"Oct", oct}, {"Hex", hex}}) {
        texts[std::string("txt1") + row] = left;
        texts[std::string("txt2") + row] = right;
        texts[std::string("txt3") + row] = "";
    }
    return texts;
}

std::string solved(ScreenId screen, const Run& run, const Texts& typed) {
    calc::FieldTable table(typed);
    calc::WorkedFields worked(table);
    try {
        worked.run(run);
    } catch (const calc::RuntimeError&) {
    }
    return solutionText(screen, worked.working());
}

struct Case {
    ScreenId screen;
    Run run;
    Texts typed;
    const char* expected;  // the whole text, or the part of it a fault case is about
};

const Case kWhole[] = {
    {Triangle, calc::computeTriangle, fields("3", "4"), R"(Гипотенуза: c = √(a² + b²)
c = √(a² + b²) = √(3² + 4²) = √(9 + 16) = √25 = 5
Ответ: c = 5

Площадь: S = a·b : 2
S = a · b : 2 = 3 · 4 : 2 = 12 : 2 = 6
Ответ: S = 6)"},
    {Circle, calc::computeCircle, fields("2,5"), R"(Длина окружности: C = 2πr, π ≈ 3,14
C = 2πr = 2 · 2,5 · 3,14 = 5 · 3,14 = 15,7
Ответ: C = 15,7

Площадь круга: S = πr²
S = πr² = 3,14 · 2,5² = 3,14 · 6,25 = 19,625
Ответ: S = 19,625; S ≈ 19,63)"},
    {Cylinder, calc::computeCylinder, fields("2", "3"), R"(Боковая поверхность: S = 2πrh
Sбок = 2πrh = 2 · 2 · 3,14 · 3 = 4 · 3,14 · 3 = 12,56 · 3 = 37,68
Ответ: Sбок = 37,68

Полная поверхность: S = 2πr(r + h)
Sполн = 2πr(r + h) = 6,28 · 2 · (2 + 3) = 6,28 · 2 · 5 = 12,56 · 5 = 62,8
Ответ: Sполн = 62,8)"},
    {Cone, calc::computeCone, fields("3", "4"),
     R"(Боковая поверхность: S = πrl, образующая l = √(r² + h²)
l = √(r² + h²) = √(3² + 4²) = √(9 + 16) = √25 = 5
Sбок = πrl = 3,14 · 3 · 5 = 9,42 · 5 = 47,1
Ответ: Sбок = 47,1

Полная поверхность: S = πr(r + l), образующая l = √(r² + h²)
Sполн = πr(r + l) = 3,14 · 3 · (3 + 5) = 3,14 · 3 · 8 = 9,42 · 8 = 75,36
Ответ: Sполн = 75,36)"},
};

// clang-format off
const Case kParts[] = {
    {Circle, calc::computeCircle, fields("-1"), "S = πr² = 3,14 · (-1)² = 3,14 · 1 = 3,14\nОтвет: S = 3,14"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Subtract>, rowFields("3", "0", "0", "5"), "3 − 5 = -2\nОтвет: 3 − 5 = -2\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Add>, rowFields("255,5", "255,5", "255,5", "0"), "255,5 + 0 = 255,5\nЦелую часть делим на 8:\n255 : 8 = 31, остаток 7\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Add>, rowFields("255,5", "255,5", "255,5", "0"), "255,5₁₀ = 377,4₈\nПроверка: 3·8² + 7·8¹ + 7·8⁰ + 4·8⁻¹ = 255,5\nОтвет: 255,5 + 0 = 377,4₈\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Divide>, rowFields("1", "7", "7", "3"), "Ответ: 1 : 3 = 0,333333333333333; 1 : 3 ≈ 0,33\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Divide>, rowFields("7", "7", "7", "2"), "Ответ: 7 : 2 = 3,8₁₆"},
    // A fault at each step it can stop at: the steps done, the failing one in words, and every
    // result not written.
    {Triangle, calc::computeTriangle, fields("1e200", "1"), "c = √(a² + b²)\n(1E+200) · (1E+200) — число слишком велико.\nНе вычислено.\n\nПлощадь: S = a·b : 2\nНе вычислено."},
    {Triangle, calc::computeTriangle, fields("1", "1e200"), "\n1 · 1 = 1\n(1E+200) · (1E+200) — число слишком велико.\n"},
    {Triangle, calc::computeTriangle, fields("1e154", "1e154"), "\n(1E+308) + (1E+308) — число слишком велико.\nНе вычислено.\n"},
    {Circle, calc::computeCircle, fields("1e308"), "π ≈ 3,14\n(1E+308) + (1E+308) — число слишком велико.\nНе вычислено.\n"},
    {Circle, calc::computeCircle, fields("6e307"), "\n(6E+307) + (6E+307) = 1,2E+308\n(1,2E+308) · 3,14 — число слишком велико.\n"},
    {Circle, calc::computeCircle, fields("1e200"), "Ответ: C = 6,28E+200\n\nПлощадь круга: S = πr²\n(1E+200) · (1E+200) — число слишком велико.\nНе вычислено."},
    {Cylinder, calc::computeCylinder, fields("2", "abc"), "\n2 + 2 = 4\n4 · 3,14 = 12,56\nНужно ввести число. Введено: «abc».\nНе вычислено.\n\nПолная поверхность: S = 2πr(r + h)\nНе вычислено."},
    {Cylinder, calc::computeCylinder, fields("1", "1e308"), "\n6,28 · (1E+308) — число слишком велико.\n"},
    {Cylinder, calc::computeCylinder, fields("1e154", "1e-154"), "Ответ: Sбок = 6,28\n\nПолная поверхность: S = 2πr(r + h)\n(1E+154) + (1E-154) = 1E+154\n(1E+154) · 6,28 = 6,28E+154\n(6,28E+154) · (1E+154) — число слишком велико."},
    {Cone, calc::computeCone, fields("3", "1e200"), "\n3 · 3 = 9\n(1E+200) · (1E+200) — число слишком велико.\nНе вычислено.\n"},
    {Cone, calc::computeCone, fields("1e154", "0"), "\n√(1E+308) = 1E+154\n(1E+154) · 3,14 = 3,14E+154\n(3,14E+154) · (1E+154) — число слишком велико.\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Divide>, rowFields("1", "1", "1", "0"), "системе\n1 : 0 — делить на ноль нельзя.\nНе вычислено.\n\nРезультат в восьмеричной системе\nНе вычислено.\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Divide>, rowFields("0", "0", "0", "0"), "системе\n0 : 0 — получается не число.\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Multiply>, rowFields("1e200", "1", "1", "1e200"), "(1E+200) · (1E+200) — число слишком велико.\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Add>, rowFields("1e999", "1", "1", "1"), "системе\nПереполнение. Число слишком велико: «1e999».\nНе вычислено.\n"},
};
// clang-format on

TEST(SolutionText, EveryStepOfEachScreen) {
    SeparatorGuard comma(',');
    for (const Case& c : kWhole) EXPECT_EQ(solved(c.screen, c.run, c.typed), c.expected);
}

TEST(SolutionText, OperationsAnswersAndFaultsAtEachStep) {
    SeparatorGuard comma(',');
    for (const Case& c : kParts) {
        const std::string text = solved(c.screen, c.run, c.typed);
        EXPECT_NE(text.find(c.expected), std::string::npos) << c.expected << "\nin\n" << text;
    }
}

TEST(SolutionText, BeforeAnyComputeTheFormulasAndWhereTheNumbersAppear) {
    EXPECT_EQ(solutionText(Triangle, nullptr),
              "Гипотенуза: c = √(a² + b²)\nПлощадь: S = a·b : 2\n\n"
              "Ваши числа появятся здесь после нажатия «вычислить».");
    EXPECT_NE(solutionText(Calculator, nullptr).find("после нажатия кнопки действия"),
              std::string::npos);
}

TEST(SolutionText, Print) {
    SeparatorGuard comma(',');
    for (const Case& c : kWhole) std::cout << solved(c.screen, c.run, c.typed) << "\n=====\n";
    for (const Case& c : kParts) std::cout << solved(c.screen, c.run, c.typed) << "\n=====\n";
}

}  // namespace
}  // namespace screens
