#pragma once

#include <string>
#include <vector>

#include "solution/exact.h"

namespace solution {

// A number's digits in base 8 or 16, as the school method finds them.
struct BaseDigits {
    bool negative = false;
    std::string integer;   // "0" below one
    std::string fraction;  // before the period; where `cut`, as far as the ladder went
    std::string period;    // empty where the fraction ends or is cut
    bool cut = false;      // no period within the field's digits: the digits go on ("…")
};

// "0,0(6314)", "0,063146314631463146…", "-377,4"; no subscript.
std::string digitsText(const BaseDigits& digits);

// The school method for writing an exact number in base 8 or 16, one text line per entry: the
// integer part's division ladder and the remainders read back, the fraction's multiplication
// ladder until the fraction ends, comes back (the period) or fills the field's significant
// digits, "0,1₁₀ = 0,0(6314)₈", the route through binary, and the check in expanded form; for a
// negative number, the steps for its absolute value, then a line for the sign.
struct Conversion {
    BaseDigits digits;
    std::vector<std::string> lines;
};
Conversion converted(const Exact& x, int base);

}  // namespace solution
