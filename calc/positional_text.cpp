#include "positional_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/detail/non_finite_text.h"
#include "messages.h"
#include "number_form.h"

namespace calc {

namespace {

struct BaseRule {
    int base;
    int bitsPerDigit;
    int significantDigits;
};
constexpr BaseRule kOctal{8, bitsPerDigitOf(8), fieldDigitsOf(8)};
constexpr BaseRule kHex{16, bitsPerDigitOf(16), fieldDigitsOf(16)};

const BaseRule& ruleOf(int base) {
    if (base == kOctal.base) return kOctal;
    if (base == kHex.base) return kHex;
    throw RuntimeError(Error::Internal);
}

// A magnitude as an integer times a power of two: mantissa * 2^exponent. The rounded value may
// lie just past the largest double (2^1024), so it is kept in this form, not as a double.
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

int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// |value| (finite, not zero) rounded at its last significant digit: scaling by a power of two
// is exact, and nearbyint rounds ties to even in the default rounding mode.
BinaryValue roundedMagnitude(double value, const BaseRule& rule, bool& rounded) {
    int topDigit = floorDiv(std::ilogb(value), rule.bitsPerDigit);
    int lastBit = (topDigit - rule.significantDigits + 1) * rule.bitsPerDigit;
    double scaled = std::ldexp(std::fabs(value), -lastBit);  // below 2^52: fraction bits remain
    double whole = std::nearbyint(scaled);
    rounded = whole != scaled;
    return {static_cast<std::uint64_t>(whole), lastBit};
}

// The digit made of bits [position, position + bitsPerDigit).
char digitAt(const BinaryValue& value, int position, int bitsPerDigit) {
    int digit = 0;
    for (int i = bitsPerDigit - 1; i >= 0; --i)
        digit = digit * 2 + (value.bit(position + i) ? 1 : 0);
    return kDigits[static_cast<std::size_t>(digit)];
}

std::string positionalText(double value, int base) {
    if (!std::isfinite(value)) return detail::nonFiniteText(value);
    PositionalDigits digits = positionalDigits(value, base);
    return plainForm(digits.negative, digits.integer, digits.fraction);
}

}  // namespace

PositionalDigits positionalDigits(double value, int base) {
    const BaseRule& rule = ruleOf(base);
    PositionalDigits digits;
    digits.base = rule.base;
    digits.integer.push_back('0');
    if (value == 0.0) return digits;
    digits.negative = value < 0;
    BinaryValue binary = roundedMagnitude(value, rule, digits.rounded);
    int width = rule.bitsPerDigit;
    int topDigit = floorDiv(binary.highestBit(), width);
    if (topDigit >= 0) digits.integer.clear();
    for (int d = topDigit; d >= 0; --d) digits.integer += digitAt(binary, d * width, width);
    int bottomDigit = floorDiv(binary.lowestBit(), width);
    for (int d = -1; d >= bottomDigit; --d) digits.fraction += digitAt(binary, d * width, width);
    return digits;
}

std::string octalText(double value) {
    return positionalText(value, kOctal.base);
}
std::string hexText(double value) {
    return positionalText(value, kHex.base);
}

}  // namespace calc
