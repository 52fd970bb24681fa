#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <boost/multiprecision/cpp_int.hpp>

namespace solution {

// Exact numbers, as a notebook works them: whole numbers of any size and fractions of them.
// Plain values, no expression templates: every result is a number at once.
using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;
using Exact = boost::multiprecision::number<
    boost::multiprecision::rational_adaptor<boost::multiprecision::cpp_int_backend<>>,
    boost::multiprecision::et_off>;

// The value of a number's text in `base` as the program writes it ("0,1", "-6,28E+200",
// "-1F,8"), exactly; none for a text that is no such number (∞, NaN). Only a decimal has an
// exponent.
std::optional<Exact> exactOfText(std::string_view text, int base = 10);

// The number the pupil sees for a finite double: its field text, read exactly.
Exact exactAsShown(double value);

// base^power for any whole power: 8⁻² is 1/64.
Exact exactPower(int base, int power);

// A whole number's decimal digits, with "-" where it is negative.
std::string digitsOf(const Integer& n);

// A rational as school writes it in base 10: the integer digits, the fraction's digits before
// the period, and the period (empty for a finite decimal).
struct Decimal {
    bool negative = false;
    std::string integer;  // "0" below one
    std::string fraction;
    std::string period;
};

// The decimal form of `x`; none where the period is longer than `longestPeriod` digits.
std::optional<Decimal> decimalOf(const Exact& x, std::size_t longestPeriod);

// `x` rounded to `decimals` places after the comma, half away from zero.
Exact roundedDecimals(const Exact& x, int decimals);
// `x` rounded to `digits` significant digits, half away from zero; 0 stays 0.
Exact roundedSignificant(const Exact& x, int digits);

// The square root of x >= 0: exact where x is the square of a rational, else rounded to
// `digits` significant digits (`rounded` says which).
Exact squareRoot(const Exact& x, int digits, bool& rounded);

// The power of the base of x's first significant digit: 2 for 345, -1 for 0,25; x not 0.
int leadingPower(const Exact& x, int base = 10);

}  // namespace solution
