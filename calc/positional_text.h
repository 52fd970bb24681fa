#pragma once

#include <string>

namespace calc {

// A number's digits in base 8 or 16 as the result fields show them: at most fieldDigitsOf(base)
// significant digits (number_form.h), correctly rounded (ties to even) like the decimal row's;
// no fractional zeros at the end.
struct PositionalDigits {
    int base = 8;
    bool negative = false;
    bool rounded = false;  // the digits are the value rounded, not its exact expansion
    std::string integer;   // "0" below one
    std::string fraction;  // empty for a whole number
};

// For a finite value; a base other than 8 or 16 raises Internal.
PositionalDigits positionalDigits(double value, int base);

std::string octalText(double value);
std::string hexText(double value);

}  // namespace calc
