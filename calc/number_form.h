#pragma once

#include <string>
#include <string_view>

namespace calc {

// How a result field writes a number, in every base it has: the digits, the limits and the two
// forms. The solution's text writes its numbers by the same rules, so what it quotes from a field
// and what it works out look alike.

// The separator that textOf and the positional texts write: '.' (the default) or ','.
// Reading always takes both. Anything else raises InvalidOperation.
void setDecimalSeparator(char separator);
char decimalSeparator();

// The digits of every number system the program writes, by value.
inline constexpr std::string_view kDigits = "0123456789ABCDEF";

// A digit's value, whatever the base; -1 for a character that is no digit ("a" included).
int digitValue(char digit);

// The significant digits a decimal field shows.
inline constexpr int kDecimalDigits = 15;

// The powers of ten of a number's first significant digit that a decimal field writes without E:
// from 1E-04 up to below 1E+15.
inline constexpr int kLowestPlainPower = -4;
inline constexpr int kExponentFormFrom = 15;

constexpr bool isWrittenPlain(int power) {
    return power >= kLowestPlainPower && power < kExponentFormFrom;
}

// The significant digits a field of the base shows: as many as a double's 53 bits hold whole,
// 15 decimal, 17 octal, 13 hexadecimal.
constexpr int fieldDigitsOf(int base) {
    return base == 8 ? 17 : base == 16 ? 13 : kDecimalDigits;
}

// The bits one digit of base 8 or 16 stands for.
constexpr int bitsPerDigitOf(int base) {
    return base == 8 ? 3 : 4;
}

// "-1,5E+20": the significant digits, the first before the separator, and the power of ten of
// the first in at least two digits.
std::string exponentForm(bool negative, std::string_view digits, int power);

// "-12,5": the integer digits, then the separator and the fraction's, where there are any. The
// parts come as they are to be written (grouped, with a period in brackets).
std::string plainForm(bool negative, std::string_view integer, std::string_view fraction);

// A digit string's bits, `bitsPerDigit` a digit: octal "17" is "001111".
std::string bitsOf(std::string_view digits, int bitsPerDigit);

// Bits read as digits of `bitsPerDigit` bits each, zeros put before them to make the first whole:
// "1111" by three is "17".
std::string digitsOfBits(std::string_view bits, int bitsPerDigit);

}  // namespace calc
