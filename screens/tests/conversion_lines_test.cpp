// The school method's working for the calculator's octal and hexadecimal rows.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

#include "testing/separator_guard.h"
#include "screens/conversion_lines.h"

namespace screens {
namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

struct LadderCase {
    double value;
    int base;
    const char* lines;
};

TEST(ConversionLines, WholeLadders) {
    SeparatorGuard comma(',');
    const LadderCase cases[] = {
        {255, 8,
         "Целую часть делим на 8:\n"
         "255 : 8 = 31, остаток 7\n"
         "31 : 8 = 3, остаток 7\n"
         "3 : 8 = 0, остаток 3\n"
         "Читаем остатки снизу вверх: 377\n"
         "255₁₀ = 377₈\n"
         "Проверка: 3·8² + 7·8¹ + 7·8⁰ = 255\n"},
        {255.5, 16,
         "Целую часть делим на 16:\n"
         "255 : 16 = 15, остаток 15 (F)\n"
         "15 : 16 = 0, остаток 15 (F)\n"
         "Читаем остатки снизу вверх: FF\n"
         "Дробную часть умножаем на 16:\n"
         "0,5 · 16 = 8\n"
         "Читаем целые части сверху вниз: 0,8\n"
         "255,5₁₀ = FF,8₁₆\n"
         "Проверка: 15·16¹ + 15·16⁰ + 8·16⁻¹ = 255,5\n"},
        {-10.96875, 16,  // the steps for the absolute value, then the sign
         "Целую часть делим на 16:\n"
         "10 : 16 = 0, остаток 10 (A)\n"
         "Читаем остатки снизу вверх: A\n"
         "Дробную часть умножаем на 16:\n"
         "0,96875 · 16 = 15,5, целая часть 15 (F)\n"
         "0,5 · 16 = 8\n"
         "Читаем целые части сверху вниз: 0,F8\n"
         "10,96875₁₀ = A,F8₁₆\n"
         "Проверка: 10·16⁰ + 15·16⁻¹ + 8·16⁻² = 10,96875\n"
         "Число отрицательное, знак сохраняется: -10,96875₁₀ = -A,F8₁₆\n"},
        {0.75, 16,  // a whole product names its digit at once
         "Целая часть: 0.\n"
         "Дробную часть умножаем на 16:\n"
         "0,75 · 16 = 12 (C)\n"
         "Читаем целые части сверху вниз: 0,C\n"
         "0,75₁₀ = 0,C₁₆\n"
         "Проверка: 12·16⁻¹ = 0,75\n"},
        {64, 8,  // zero digits add nothing to the check
         "Целую часть делим на 8:\n"
         "64 : 8 = 8, остаток 0\n"
         "8 : 8 = 1, остаток 0\n"
         "1 : 8 = 0, остаток 1\n"
         "Читаем остатки снизу вверх: 100\n"
         "64₁₀ = 100₈\n"
         "Проверка: 1·8² = 64\n"},
        {0, 8,
         "Целая часть: 0.\n"
         "0₁₀ = 0₈\n"
         "Проверка: 0·8⁰ = 0\n"},
        {1.0 - 0x1p-53, 8,  // rounding carries into the integer part
         "Поле показывает не больше 17 значащих цифр, последняя из них округлена; ниже переводим "
         "округлённое число.\n"
         "Целую часть делим на 8:\n"
         "1 : 8 = 0, остаток 1\n"
         "Читаем остатки снизу вверх: 1\n"
         "1₁₀ ≈ 1₈\n"
         "Проверка: 1·8⁰ = 1\n"},
        {HUGE_VAL, 8, "∞ нельзя записать цифрами.\n"},
        {std::nan(""), 16, "NaN нельзя записать цифрами.\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(joined(conversionLines(c.value, c.base)), c.lines);
}

struct LineCase {
    double value;
    int base;
    int index;  // from the end when negative
    std::string line;
};

TEST(ConversionLines, RoundedAndLongLadders) {
    SeparatorGuard comma(',');
    const LineCase cases[] = {
        {0.1, 8, 0,
         "Поле показывает не больше 17 значащих цифр, последняя из них округлена; ниже переводим "
         "округлённое число."},
        {0.1, 8, 3, "0,1 · 8 = 0,8"},
        {0.1, 8, -3, "Читаем целые части сверху вниз: 0,063146314631463146"},
        {0.1, 8, -2, "0,1₁₀ ≈ 0,063146314631463146₈"},
        {0.1, 8, -1, "Проверка: 6·8⁻² + 3·8⁻³ + 1·8⁻⁴ + … + 6·8⁻¹⁸ ≈ 0,1"},
        {0.1, 16, -2, "0,1₁₀ ≈ 0,199999999999A₁₆"},
        {0.1, 16, -4, "0,625 · 16 = 10 (A)"},  // the step that ends the rounded number
        {1.0 / 3.0, 8, -2, "0,333333333333333₁₀ ≈ 0,25252525252525253₈"},
        {1e40, 8, 2, "9,99999999999999E+39 : 8 = 1,25E+39, остаток 0"},  // the rounded value
        {1e40, 8, 22, "…"},                                              // after 20 divisions
        {1e40, 8, 23, "Остальные остатки снизу вверх: 1654312370703271200000000"},
        {1e40, 8, -1, "Проверка: 1·8⁴⁴ + 6·8⁴³ + 5·8⁴² + … + 2·8²⁸ ≈ 9,99999999999999E+39"},
        {1e40, 16, -2, "1E+40₁₀ ≈ 1D6329F1C35CA000000000000000000000₁₆"},
        {1e-300, 16, 3, "1E-300 · 16 = 1,6E-299"},
        {1e-300, 16, 23, "…"},  // after 20 multiplications
        {1e-300, 16, 24, "Остальные цифры: " + std::string(229, '0') + "AB70FE17C79AC"},
        {1e-300, 16, -1, "Проверка: 10·16⁻²⁵⁰ + 11·16⁻²⁵¹ + 7·16⁻²⁵² + … + 12·16⁻²⁶² ≈ 1E-300"},
        {DBL_MAX, 16, 2, "1,79769313486232E+308 : 16 = 1,12355820928895E+307, остаток 0"},
        {DBL_MAX, 16, -1, "Проверка: 1·16²⁵⁶ ≈ 1,79769313486232E+308"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = conversionLines(c.value, c.base);
        int at = c.index < 0 ? static_cast<int>(lines.size()) + c.index : c.index;
        ASSERT_LT(at, static_cast<int>(lines.size())) << c.value << " in base " << c.base;
        EXPECT_EQ(lines[static_cast<std::size_t>(at)], c.line) << c.value << " in base " << c.base;
    }
}

TEST(ConversionLines, TheSeparatorIsTheScreens) {
    SeparatorGuard point('.');
    std::vector<std::string> lines = conversionLines(255.5, 8);
    EXPECT_EQ(lines.at(6), "0.5 · 8 = 4");
    EXPECT_EQ(lines.at(8), "255.5₁₀ = 377.4₈");
}

}  // namespace
}  // namespace screens
