// The solution's text: every number one the compute produced, in its order, as the screen
// writes it.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "calc/calc.h"
#include "testing/separator_guard.h"
#include "screens/solution_text.h"
#include "solution/tests/line_checker.h"

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
    return solution::testing::readable(solutionText(screen, worked.working()));
}

struct Case {
    ScreenId screen;
    Run run;
    Texts typed;
    const char* expected;  // the whole text, or the part of it a fault case is about
};

const Case kWhole[] = {
    {Triangle, calc::computeTriangle, fields("3", "4"), R"(Дано: a = 3, b = 4. Найти: c, S.

Гипотенуза: c = √(a² + b²)
c = √(a² + b²) = √(3² + 4²) = √(9 + 16) = √25 = 5
Ответ: c = 5

Площадь: S = a·b : 2
S = a · b : 2 = 3 · 4 : 2 = 12 : 2 = 6
Ответ: S = 6)"},
    // 2,5² + 3,7² = 6,25 + 13,69 = 19,94; √19,94 = 4,4654227123532213…
    {Triangle, calc::computeTriangle, fields("2,5", "3,7"), R"(Дано: a = 2,5, b = 3,7. Найти: c, S.

Гипотенуза: c = √(a² + b²)
c = √(a² + b²) = √(2,5² + 3,7²) = √(6,25 + 13,69) = √19,94 ≈ 4,46542271235322
≈ — округлили до 15 значащих цифр, как в поле.
Ответ: c ≈ 4,47 (округлили до сотых)

Площадь: S = a·b : 2
S = a · b : 2 = 2,5 · 3,7 : 2 = 9,25 : 2 = 4,625
Ответ: S = 4,625 ≈ 4,63 (округлили до сотых))"},
    {Circle, calc::computeCircle, fields("7"), R"(Дано: r = 7. Найти: C, S.

Длина окружности: C = 2πr, π ≈ 3,14
C = 2πr ≈ 2 · 3,14 · 7 = 43,96
Ответ: C = 43,96

Площадь круга: S = πr²
S = πr² ≈ 3,14 · 7² = 3,14 · 49 = 153,86
Ответ: S = 153,86)"},
    {Circle, calc::computeCircle, fields("2,5"), R"(Дано: r = 2,5. Найти: C, S.

Длина окружности: C = 2πr, π ≈ 3,14
C = 2πr ≈ 2 · 3,14 · 2,5 = 15,7
Ответ: C = 15,7

Площадь круга: S = πr²
S = πr² ≈ 3,14 · 2,5² = 3,14 · 6,25 = 19,625
Ответ: S = 19,625 ≈ 19,63 (округлили до сотых))"},
    {Cylinder, calc::computeCylinder, fields("2", "3"), R"(Дано: r = 2, h = 3. Найти: Sбок, Sполн.

Боковая поверхность: S = 2πrh
Sбок = 2πrh ≈ 2 · 3,14 · 2 · 3 = 12,56 · 3 = 37,68
Ответ: Sбок = 37,68

Полная поверхность: S = 2πr(r + h)
Sполн = 2πr(r + h) ≈ 6,28 · 2 · (2 + 3) = 12,56 · 5 = 62,8
Ответ: Sполн = 62,8)"},
    {Cone, calc::computeCone, fields("3", "4"), R"(Дано: r = 3, h = 4. Найти: Sбок, Sполн.

Боковая поверхность: S = πrl, образующая l = √(r² + h²)
l = √(r² + h²) = √(3² + 4²) = √(9 + 16) = √25 = 5
Sбок = πrl ≈ 3,14 · 3 · 5 = 9,42 · 5 = 47,1
Ответ: Sбок = 47,1

Полная поверхность: S = πr(r + l), образующая l = √(r² + h²)
Sполн = πr(r + l) ≈ 3,14 · 3 · (3 + 5) = 9,42 · 8 = 75,36
Ответ: Sполн = 75,36)"},
    // 0,1 · 8 = 0,8 → 6,4 → 3,2 → 1,6 → 4,8, and 0,8 comes back: 0,0(6314)₈.
    {Calculator, calc::computeRowsWith<calc::RowOp::Add>, rowFields("0,1", "0,1", "0,1", "0"), R"(Результат в десятичной системе
0,1 + 0 = 0,1
Ответ: 0,1 + 0 = 0,1

Результат в восьмеричной системе
0,1 + 0 = 0,1
Целая часть: 0.
Дробную часть умножаем на 8:
0,1 · 8 = 0,8
0,8 · 8 = 6,4
0,4 · 8 = 3,2
0,2 · 8 = 1,6
0,6 · 8 = 4,8
Читаем целые части сверху вниз: 0,0(6314)
0,1₁₀ = 0,0(6314)₈
0,0(6314)₈ = 0,000(110 011 001 100)₂ = 0,0001(1001)₂ = 0,1(9)₁₆
Проверка: 6·8⁻² + 3·8⁻³ + 1·8⁻⁴ + … + 4·8⁻¹⁷ ≈ 0,1
В поле 17 значащих цифр, последняя округлена: 0,1₁₀ ≈ 0,063146314631463146₈
Ответ: 0,1 + 0 = 0,0(6314)₈

Результат в шестнадцатеричной системе
0,1 + 0 = 0,1
Целая часть: 0.
Дробную часть умножаем на 16:
0,1 · 16 = 1,6
0,6 · 16 = 9,6
Читаем целые части сверху вниз: 0,1(9)
0,1₁₀ = 0,1(9)₁₆
0,1(9)₁₆ = 0,0001(1001)₂ = 0,000(110 011 001 100)₂ = 0,0(6314)₈
Проверка: 1·16⁻¹ + 9·16⁻² + 9·16⁻³ + … + 9·16⁻¹³ ≈ 0,1
В поле 13 значащих цифр, последняя округлена: 0,1₁₀ ≈ 0,199999999999A₁₆
Ответ: 0,1 + 0 = 0,1(9)₁₆)"},
    // 1 : 3 = 0,(3): 0,(3) · 8 = 2,(6), 0,(6) · 8 = 5,(3), and 0,(3) again; in base 16 at once.
    {Calculator, calc::computeRowsWith<calc::RowOp::Divide>, rowFields("1", "1", "1", "3"), R"(Результат в десятичной системе
1 : 3 = 0,(3)
В поле 15 значащих цифр, последняя округлена: 0,(3) ≈ 0,333333333333333
Ответ: 1 : 3 = 0,(3) ≈ 0,33 (округлили до сотых)

Результат в восьмеричной системе
1 : 3 = 0,(3)
Целая часть: 0.
Дробную часть умножаем на 8:
0,(3) · 8 = 2,(6)
0,(6) · 8 = 5,(3)
Читаем целые части сверху вниз: 0,(25)
0,(3)₁₀ = 0,(25)₈
0,(25)₈ = 0,(010 101)₂ = 0,(0101)₂ = 0,(5)₁₆
Проверка: 2·8⁻¹ + 5·8⁻² + 2·8⁻³ + … + 5·8⁻¹⁸ ≈ 0,(3)
В поле 17 значащих цифр, последняя округлена: 0,(3)₁₀ ≈ 0,25252525252525253₈
Ответ: 1 : 3 = 0,(25)₈

Результат в шестнадцатеричной системе
1 : 3 = 0,(3)
Целая часть: 0.
Дробную часть умножаем на 16:
0,(3) · 16 = 5,(3)
Читаем целые части сверху вниз: 0,(5)
0,(3)₁₀ = 0,(5)₁₆
0,(5)₁₆ = 0,(0101)₂ = 0,(010 101)₂ = 0,(25)₈
Проверка: 5·16⁻¹ + 5·16⁻² + 5·16⁻³ + … + 5·16⁻¹³ ≈ 0,(3)
В поле 13 значащих цифр, последняя округлена: 0,(3)₁₀ ≈ 0,5555555555555₁₆
Ответ: 1 : 3 = 0,(5)₁₆)"},
};

// clang-format off
const Case kParts[] = {
    {Circle, calc::computeCircle, fields("-1"), "S = πr² ≈ 3,14 · (-1)² = 3,14 · 1 = 3,14\nОтвет: S = 3,14"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Subtract>, rowFields("3", "0", "0", "5"), "3 − 5 = -2\nОтвет: 3 − 5 = -2\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Subtract>, rowFields("-45,25", "-45,25", "-45,25", "0"), "Число отрицательное, знак сохраняется: -45,25₁₀ = -55,2₈\nОтвет: (-45,25) − 0 = -55,2₈"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Subtract>, rowFields("-45,25", "-45,25", "-45,25", "0"), "45,25₁₀ = 2D,4₁₆\n2D,4₁₆ = 0010 1101,0100₂ = 101 101,010₂ = 55,2₈\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Add>, rowFields("255,5", "255,5", "255,5", "0"), "255,5 + 0 = 255,5\nЦелую часть делим на 8:\n255 : 8 = 31, остаток 7\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Add>, rowFields("255,5", "255,5", "255,5", "0"), "255,5₁₀ = 377,4₈\n377,4₈ = 011 111 111,100₂ = 1111 1111,1000₂ = FF,8₁₆\nПроверка: 3·8² + 7·8¹ + 7·8⁰ + 4·8⁻¹ = 3·64 + 7·8 + 7·1 + 4·0,125 = 192 + 56 + 7 + 0,5 = 255,5\nОтвет: 255,5 + 0 = 377,4₈\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Add>, rowFields("0,375", "0,375", "0,375", "0"), "0,375 · 8 = 3\nЧитаем целые части сверху вниз: 0,3\n0,375₁₀ = 0,3₈\n0,3₈ = 0,011₂ = 0,0110₂ = 0,6₁₆\nПроверка: 3·8⁻¹ = 0,375\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Add>, rowFields("12,75", "12,75", "12,75", "0"), "12 : 16 = 0, остаток 12 (C)\nЧитаем остатки снизу вверх: C\nДробную часть умножаем на 16:\n0,75 · 16 = 12 (C)\nЧитаем целые части сверху вниз: 0,C\n12,75₁₀ = C,C₁₆\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Add>, rowFields("3,3", "3,3", "3,3", "0"), "3,3₁₀ = 3,2(3146)₈\n3,2(3146)₈ = 011,010(011 001 100 110)₂ = 0011,0100(1100)₂ = 3,4(C)₁₆\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Divide>, rowFields("1", "1", "1", "3"), "1 : 3 = 0,(3)\nВ поле 15 значащих цифр, последняя округлена: 0,(3) ≈ 0,333333333333333\nОтвет: 1 : 3 = 0,(3) ≈ 0,33 (округлили до сотых)\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Divide>, rowFields("1", "1", "1", "3"), "0,(3) · 8 = 2,(6)\n0,(6) · 8 = 5,(3)\nЧитаем целые части сверху вниз: 0,(25)\n0,(3)₁₀ = 0,(25)₈\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Divide>, rowFields("1", "1", "1", "3"), "Ответ: 1 : 3 = 0,(5)₁₆"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Divide>, rowFields("7", "7", "7", "2"), "Ответ: 7 : 2 = 3,8₁₆"},
    // 10⁴⁰ : 8 = 1,25·10³⁹ exactly; the field's number is the double nearest 10⁴⁰.
    {Calculator, calc::computeRowsWith<calc::RowOp::Multiply>, rowFields("1e20", "1e20", "1e20", "1e20"), "(1E+20) · (1E+20) = 1E+40\nЦелую часть делим на 8:\n1E+40 : 8 = 1,25E+39, остаток 0\n"},
    {Calculator, calc::computeRowsWith<calc::RowOp::Multiply>, rowFields("1e20", "1e20", "1e20", "1e20"), "Ответ: (1E+20) · (1E+20) = 1E+40\n"},
    // Legs of 1e-200: the squares are exact, and the computer's 0 is said.
    {Triangle, calc::computeTriangle, fields("1e-200", "1e-200"), "√((1E-200)² + (1E-200)²) = √((1E-400) + (1E-400)) = √(2E-400) ≈ 1,4142135623731E-200\n1E-400 — слишком маленькое число: компьютер считает его нулём.\n≈ — округлили до 15 значащих цифр, как в поле.\nВ поле 0: число слишком маленькое для компьютера, и он записал 0.\nОтвет: c ≈ 1,4142135623731E-200\n"},
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
    {Cylinder, calc::computeCylinder, fields("1e154", "1e-154"), "\n(1E+154) + (1E-154) = 1,00000000000000000000"},
    {Cone, calc::computeCone, fields("3", "1e200"), "\n3 · 3 = 9\n(1E+200) · (1E+200) — число слишком велико.\nНе вычислено.\n"},
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

// The screens' own formulas over random numbers: every line true as written.
TEST(SolutionText, EveryLineTrueWithTheScreensFormulas) {
    SeparatorGuard comma(',');
    std::mt19937 random(7);
    const char* const numbers[] = {"3", "4", "2,5", "3,7", "-1,25", "0,1", "1e-200", "7e-300",
                                   "1e20", "1e154", "123456,789", "0", "9,99", "abc", "0,000123"};
    const screens::Run runs[] = {calc::computeTriangle, calc::computeCircle, calc::computeCylinder,
                        calc::computeCone, calc::computeRowsWith<calc::RowOp::Divide>,
                        calc::computeRowsWith<calc::RowOp::Multiply>};
    const ScreenId screens[] = {Triangle, Circle, Cylinder, Cone, Calculator, Calculator};
    for (int i = 0; i < 600; ++i) {
        const char* a = numbers[random() % std::size(numbers)];
        const char* b = numbers[random() % std::size(numbers)];
        Texts typed = fields(a, b);
        typed.merge(rowFields(a, a, a, b));
        const std::string text = solved(screens[i % 6], runs[i % 6], typed);
        for (const std::string& line : solution::testing::falseLines(text))
            ADD_FAILURE() << line << "\nin\n" << text;
    }
}

TEST(SolutionText, BeforeAnyComputeTheFormulasAndWhereTheNumbersAppear) {
    EXPECT_EQ(solutionText(Triangle, nullptr),
              "Гипотенуза: c = √(a² + b²)\nПлощадь: S = a·b : 2\n\n"
              "Ваши числа появятся здесь после нажатия «вычислить».");
    EXPECT_NE(solutionText(Calculator, nullptr).find("после нажатия кнопки действия"),
              std::string::npos);
}

}  // namespace
}  // namespace screens
