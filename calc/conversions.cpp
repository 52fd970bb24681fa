#include "conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calc/detail/non_finite_text.h"
#include "calc/detail/number_value.h"
#include "messages.h"
#include "number_form.h"

namespace calc {

namespace {

struct Decimal {
    bool negative = false;
    std::string digits;  // 1 to 15 significant digits, no trailing zeros
    int exponent = 0;    // of the first digit
};

// Rounds the exact binary value to 15 significant digits, ties to even.
Decimal roundedDecimal(double value) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kDecimalDigits - 1);
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));  // -d.ddde+XX
    Decimal decimal;
    decimal.negative = text.front() == '-';
    if (decimal.negative) text.remove_prefix(1);
    std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.') decimal.digits += c;
    }
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '+') exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.exponent);
    return decimal;
}

// The digits split at the separator: "0,000123", "1200", "12,5".
std::string plainText(const Decimal& d) {
    if (d.exponent < 0) {
        std::string fraction(static_cast<std::size_t>(-d.exponent - 1), '0');
        return plainForm(d.negative, "0", fraction.append(d.digits));
    }
    const std::string_view digits = d.digits;
    const std::size_t integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    std::string integer(digits.substr(0, integerDigits));
    integer.append(integerDigits - integer.size(), '0');
    return plainForm(d.negative, integer, digits.substr(std::min(integerDigits, digits.size())));
}

}  // namespace

double valueOf(std::string_view text) {
    detail::ScannedNumber number = detail::scanNumber(text);
    return number.found ? detail::numberValue(number, text) : 0.0;
}

double coerceToDouble(std::string_view text) {
    detail::ScannedNumber number = detail::scanNumber(text);
    if (!number.found || !detail::isBlank(text.substr(number.end))) {
        if (detail::isBlank(text)) throw RuntimeError(Error::TypeMismatch, Detail::EmptyField);
        throw RuntimeError(Error::TypeMismatch, Detail::Entered, text);
    }
    return detail::numberValue(number, text);
}

std::string textOf(double value) {
    if (!std::isfinite(value)) return detail::nonFiniteText(value);
    if (value == 0.0) return "0";  // negative zero too
    Decimal decimal = roundedDecimal(value);
    if (isWrittenPlain(decimal.exponent)) return plainText(decimal);
    return exponentForm(decimal.negative, decimal.digits, decimal.exponent);
}

}  // namespace calc
