// The school method in base 8 and 16 for numbers whose working is known by hand; every line of
// the longer ones is checked by the property test.
#include <gtest/gtest.h>

#include <string>

#include "calc/conversions.h"
#include "line_checker.h"
#include "solution/conversion_lines.h"

namespace solution {
namespace {

std::string joined(const Conversion& conversion) {
    std::string text;
    for (const std::string& line : conversion.lines) text += testing::readable(line) + "\n";
    return text;
}

struct Case {
    Exact value;
    int base;
    const char* lines;  // the whole working, or the lines it must hold
};

TEST(ConversionLines, SchoolMethodWorkedByHand) {
    calc::setDecimalSeparator(',');
    const Case cases[] = {
        // 255 = 31·8 + 7, 31 = 3·8 + 7, 3 = 0·8 + 3; 0,5·8 = 4.
        {Exact(511, 2), 8,
         "Целую часть делим на 8:\n255 : 8 = 31, остаток 7\n31 : 8 = 3, остаток 7\n"
         "3 : 8 = 0, остаток 3\nЧитаем остатки снизу вверх: 377\nДробную часть умножаем на 8:\n"
         "0,5 · 8 = 4\nЧитаем целые части сверху вниз: 0,4\n255,5₁₀ = 377,4₈\n"
         "377,4₈ = 011 111 111,100₂ = 1111 1111,1000₂ = FF,8₁₆\n"
         "Проверка: 3·8² + 7·8¹ + 7·8⁰ + 4·8⁻¹ = 3·64 + 7·8 + 7·1 + 4·0,125 = 192 + 56 + 7 + 0,5 "
         "= 255,5\n"},
        // 0,3·8 = 2,4 → 0,4·8 = 3,2 → 0,2·8 = 1,6 → 0,6·8 = 4,8 → 0,8·8 = 6,4, and 0,4 again.
        {Exact(33, 10), 8,
         "Целую часть делим на 8:\n3 : 8 = 0, остаток 3\nЧитаем остатки снизу вверх: 3\n"
         "Дробную часть умножаем на 8:\n0,3 · 8 = 2,4\n0,4 · 8 = 3,2\n0,2 · 8 = 1,6\n"
         "0,6 · 8 = 4,8\n0,8 · 8 = 6,4\nЧитаем целые части сверху вниз: 0,2(3146)\n"
         "3,3₁₀ = 3,2(3146)₈\n"
         "3,2(3146)₈ = 011,010(011 001 100 110)₂ = 0011,0100(1100)₂ = 3,4(C)₁₆\n"
         "Проверка: 3·8⁰ + 2·8⁻¹ + 3·8⁻² + … + 6·8⁻¹⁷ ≈ 3,3\n"},
        {Exact(33, 10), 16, "0,3 · 16 = 4,8\n0,8 · 16 = 12,8, целая часть 12 (C)\n"},
        // 0,75·16 = 12 names its digit at once; a negative number keeps its sign.
        {Exact(-51, 4), 16,
         "12 : 16 = 0, остаток 12 (C)\nЧитаем остатки снизу вверх: C\nДробную часть умножаем на "
         "16:\n"
         "0,75 · 16 = 12 (C)\nЧитаем целые части сверху вниз: 0,C\n12,75₁₀ = C,C₁₆\n"
         "C,C₁₆ = 1100,1100₂ = 001 100,110₂ = 14,6₈\n"
         "Проверка: 12·16⁰ + 12·16⁻¹ = 12·1 + 12·0,0625 = 12 + 0,75 = 12,75\n"
         "Число отрицательное, знак сохраняется: -12,75₁₀ = -C,C₁₆\n"},
        {Exact(1, 3), 8,
         "0,(3) · 8 = 2,(6)\n0,(6) · 8 = 5,(3)\nЧитаем целые части сверху вниз: 0,(25)\n0,(3)₁₀ = "
         "0,(25)₈\n0,(25)₈ = 0,(010 101)₂ = 0,(0101)₂ = 0,(5)₁₆\n"},
        {Exact(0), 8, "Целая часть: 0.\n0₁₀ = 0₈\nПроверка: 0·8⁰ = 0\n"},
        // 10⁴⁰ : 8 = 1,25·10³⁹ exactly; the ladder is every step of 45 octal digits.
        {exactPower(10, 40), 8,
         "1E+40 : 8 = 1,25E+39, остаток 0\n1,25E+39 : 8 = 1,5625E+38, остаток 0\n"},
        {exactPower(10, 40), 8,
         "1E+40₁₀ = 165431237070327122277527347653020000000000000₈\nПроверка: 1·8⁴⁴ + 6·8⁴³ + "
         "5·8⁴² + … + 2·8¹³ = 1E+40\n"},
        // 1/97 has no period within 17 octal digits? It has one of 16: 8¹⁶ - 1 is divisible by 97.
        {Exact(1, 97), 8, "(1/97) · 8 = 8/97\n"},
        // 1/7 in hexadecimal: 0,(249), found at the third digit.
        {Exact(1, 7), 16, "0,(142857)₁₀ = 0,(249)₁₆\n"},
    };
    for (const Case& c : cases) {
        const std::string text = joined(converted(c.value, c.base));
        EXPECT_NE(text.find(c.lines), std::string::npos) << c.lines << "\nin\n" << text;
    }
    calc::setDecimalSeparator('.');
    EXPECT_EQ(digitsText({false, "7", "", "", true}), "7.…");  // the fields' separator, cut or not
}

}  // namespace
}  // namespace solution
