#include "base_conversion.h"

#include <string>

namespace calc {

namespace {

// Each dividend is the number made of the integer digits above a place, built from the top:
// every one holds no more bits than the shown number, so all of them are exact.
std::vector<DivisionStep> divisions(const std::string& integer, int base) {
    std::vector<double> prefixes{0.0};
    for (char digit : integer) prefixes.push_back(prefixes.back() * base + digitValue(digit));
    std::vector<DivisionStep> steps;
    if (prefixes.back() == 0.0) return steps;
    for (std::size_t i = integer.size(); i > 0; --i)
        steps.push_back({prefixes[i], prefixes[i - 1], digitValue(integer[i - 1])});
    return steps;
}

// Each fraction is the number made of the fraction digits below a place, built from the end.
std::vector<MultiplicationStep> multiplications(const std::string& fraction, int base) {
    std::vector<MultiplicationStep> steps(fraction.size());
    double tail = 0.0;
    for (std::size_t i = fraction.size(); i > 0; --i) {
        int digit = digitValue(fraction[i - 1]);
        double product = tail + digit;
        tail = product / base;
        steps[i - 1] = {tail, product, digit};
    }
    return steps;
}

}  // namespace

int digitValue(char digit) {
    return digit <= '9' ? digit - '0' : digit - 'A' + 10;
}

BaseConversion baseConversion(double value, int base) {
    BaseConversion conversion;
    conversion.digits = positionalDigits(value, base);
    const PositionalDigits& digits = conversion.digits;
    conversion.divisions = divisions(digits.integer, base);
    conversion.multiplications = multiplications(digits.fraction, base);
    double integer = conversion.divisions.empty() ? 0.0 : conversion.divisions.front().dividend;
    double fraction =
        conversion.multiplications.empty() ? 0.0 : conversion.multiplications.front().fraction;
    conversion.magnitude = integer + fraction;
    return conversion;
}

}  // namespace calc
