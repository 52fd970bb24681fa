#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace solution::testing {

// Reads a solution's text as a teacher would, with exact numbers of its own, and says which
// lines are not true as written: "=" not exact, "≈" further off than the rounding of its right
// side (half its last digit; a whole one where the digits go on, "…"), a ladder step that does
// not add up, a check that does not end at the number converted. Empty where all are true.
std::vector<std::string> falseLines(std::string_view text);

// The text with its no-break spaces as plain ones, as a test writes it.
std::string readable(std::string_view text);

}  // namespace solution::testing
