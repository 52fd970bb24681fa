#include "conversions.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "calc/detail/non_finite_text.h"
#include "calc/detail/number_value.h"
#include "messages.h"

namespace calc {

namespace {

std::atomic<char> gSeparator{'.'};

// Plain notation for decimal exponents in [-4, 14]; exponent form outside.
constexpr int kLowestPlainExponent = -4;
constexpr int kFirstExponentForm = 15;
constexpr int kSignificantDigits = 15;

struct Decimal {
    bool negative = false;
    std::string digits;  // 1 to 15 significant digits, no trailing zeros
    int exponent = 0;    // of the first digit
};

// Rounds the exact binary value to 15 significant digits, ties to even.
Decimal roundedDecimal(double value) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
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

std::string exponentForm(const Decimal& d, char separator) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) {
        text += separator;
        text.append(d.digits, 1);
    }
    text += d.exponent < 0 ? "E-" : "E+";
    int magnitude = std::abs(d.exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
    return text;
}

std::string plainForm(const Decimal& d, char separator) {
    std::string text;
    if (d.exponent < 0) {
        text = {'0', separator};
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        return text.append(d.digits);
    }
    std::size_t integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    text = d.digits.substr(0, integerDigits);
    text.append(integerDigits - text.size(), '0');
    if (d.digits.size() > integerDigits) text.append(1, separator).append(d.digits, integerDigits);
    return text;
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
    char separator = gSeparator.load();
    bool plain = decimal.exponent >= kLowestPlainExponent && decimal.exponent < kFirstExponentForm;
    std::string text = plain ? plainForm(decimal, separator) : exponentForm(decimal, separator);
    return decimal.negative ? "-" + text : text;
}

void setDecimalSeparator(char separator) {
    if (separator != '.' && separator != ',') {
        throw RuntimeError(Error::InvalidOperation, Detail::DecimalSeparator);
    }
    gSeparator.store(separator);
}

char decimalSeparator() {
    return gSeparator.load();
}

}  // namespace calc
