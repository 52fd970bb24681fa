#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/working.h"
#include "screens/screen_id.h"

namespace screens {

// A decimal result rounded to hundredths, half up, as school answers are written. Rounds the
// text's own digits, so "19.625" gives "19.63" where its double (just under) would not; none
// where the text has two decimals or fewer or is in exponent form.
std::optional<std::string> roundedToHundredths(std::string_view text);

// The working of a screen's last compute, as the solution window shows and copies it: for each
// result its formula, the steps with the pupil's numbers and an answer line; after a fault, the
// steps up to the failing one, what went wrong, and the results not computed. Before any
// compute (`working` null): the general formulas and where the numbers will appear.
std::string solutionText(ScreenId screen, const calc::Working* working);

}  // namespace screens
