#pragma once

#include <string>
#include <vector>

namespace screens {

// The school method's working for writing `value` in base 8 or 16, one text line per entry:
// the integer part's division ladder, the remainders read back, the fraction's
// multiplication ladder, "255₁₀ = 377₈" and the check in expanded form; the digits are
// exactly those the result field shows. A negative value: the steps for its absolute value,
// then a line for the sign.
std::vector<std::string> conversionLines(double value, int base);

}  // namespace screens
