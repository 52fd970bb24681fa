#pragma once

#include <vector>

#include "positional_text.h"

namespace calc {

// dividend : base = quotient, remainder `remainder`.
struct DivisionStep {
    double dividend;
    double quotient;
    int remainder;
};

// fraction · base = product, whose integer part `digit` is the next digit.
struct MultiplicationStep {
    double fraction;
    double product;
    int digit;
};

// The school method for writing a number in base 8 or 16: the integer part divided by the base
// until the quotient is 0, the remainders read from the last; the fraction multiplied by the
// base, the integer parts read from the first. It works on the number the result field shows,
// whose digits fit a double's mantissa, so every step is exact and gives exactly those digits.
struct BaseConversion {
    PositionalDigits digits;
    std::vector<DivisionStep> divisions;              // none when the integer part is 0
    std::vector<MultiplicationStep> multiplications;  // none for a whole number
    double magnitude = 0;  // what the digits stand for; past the largest double, infinite
};

// For a finite value; a base other than 8 or 16 raises Internal.
BaseConversion baseConversion(double value, int base);

// The value of a digit character of base 8 or 16.
int digitValue(char digit);

}  // namespace calc
