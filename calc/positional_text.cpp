#include "positional_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "conversions.h"
#include "non_finite_text.h"

namespace calc {

namespace {

// A finite double as an integer mantissa times a power of two: value = mantissa * 2^exponent.
struct BinaryValue {
    std::uint64_t mantissa = 0;
    int exponent = 0;

    bool bit(int position) const {  // the bit worth 2^position
        int shift = position - exponent;
        return shift >= 0 && shift < 64 && ((mantissa >> shift) & 1U) != 0;
    }
    int highestBit() const { return exponent + 63 - std::countl_zero(mantissa); }
    int lowestBit() const { return exponent + std::countr_zero(mantissa); }
};

BinaryValue binaryValue(double magnitude) {
    int exponent = 0;
    double fraction = std::frexp(magnitude, &exponent);  // magnitude = fraction * 2^exponent
    constexpr int kMantissaBits = 53;
    BinaryValue value;
    value.mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
    value.exponent = exponent - kMantissaBits;
    return value;
}

// The digit made of bits [position, position + bitsPerDigit).
char digitAt(const BinaryValue& value, int position, int bitsPerDigit) {
    int digit = 0;
    for (int i = bitsPerDigit - 1; i >= 0; --i)
        digit = digit * 2 + (value.bit(position + i) ? 1 : 0);
    return "0123456789ABCDEF"[digit];
}

int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Every double has a finite expansion in a power-of-two base, so the text is exact.
std::string positionalText(double value, int bitsPerDigit) {
    if (!std::isfinite(value)) return detail::nonFiniteText(value);
    if (value == 0.0) return "0";
    BinaryValue binary = binaryValue(std::fabs(value));
    std::string text = value < 0 ? "-" : "";
    int topDigit = floorDiv(binary.highestBit(), bitsPerDigit);
    if (topDigit < 0) text += '0';
    for (int d = topDigit; d >= 0; --d) text += digitAt(binary, d * bitsPerDigit, bitsPerDigit);
    int bottomDigit = floorDiv(binary.lowestBit(), bitsPerDigit);
    if (bottomDigit < 0) text += decimalSeparator();
    for (int d = -1; d >= bottomDigit; --d) text += digitAt(binary, d * bitsPerDigit, bitsPerDigit);
    return text;
}

}  // namespace

std::string octalText(double value) {
    return positionalText(value, 3);
}
std::string hexText(double value) {
    return positionalText(value, 4);
}

}  // namespace calc
