#include "positional_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/detail/non_finite_text.h"
#include "number_form.h"

namespace calc {

namespace {

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
BinaryValue roundedMagnitude(double value, int base) {
    const int width = bitsPerDigitOf(base);
    int topDigit = floorDiv(std::ilogb(value), width);
    int lastBit = (topDigit - fieldDigitsOf(base) + 1) * width;
    double scaled = std::ldexp(std::fabs(value), -lastBit);  // below 2^52: fraction bits remain
    return {static_cast<std::uint64_t>(std::nearbyint(scaled)), lastBit};
}

// The digit made of bits [position, position + bitsPerDigit).
char digitAt(const BinaryValue& value, int position, int bitsPerDigit) {
    int digit = 0;
    for (int i = bitsPerDigit - 1; i >= 0; --i)
        digit = digit * 2 + (value.bit(position + i) ? 1 : 0);
    return kDigits[static_cast<std::size_t>(digit)];
}

// At most fieldDigitsOf(base) significant digits, correctly rounded (ties to even) like the
// decimal row's; no fractional zeros at the end.
std::string positionalText(double value, int base) {
    if (!std::isfinite(value)) return detail::nonFiniteText(value);
    if (value == 0.0) return "0";
    BinaryValue binary = roundedMagnitude(value, base);
    const int width = bitsPerDigitOf(base);
    int topDigit = floorDiv(binary.highestBit(), width);
    std::string integer = topDigit < 0 ? "0" : "";
    for (int d = topDigit; d >= 0; --d) integer += digitAt(binary, d * width, width);
    int bottomDigit = floorDiv(binary.lowestBit(), width);
    std::string fraction;
    for (int d = -1; d >= bottomDigit; --d) fraction += digitAt(binary, d * width, width);
    return plainForm(value < 0, integer, fraction);
}

}  // namespace

std::string octalText(double value) {
    return positionalText(value, 8);
}
std::string hexText(double value) {
    return positionalText(value, 16);
}

}  // namespace calc
