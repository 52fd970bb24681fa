#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/working.h"
#include "screens/layout.h"
#include "screens/screen_id.h"

namespace screens {

// The result fields of a screen, in the order of its table: the controls with a formula.
std::vector<const ControlLayout*> resultFields(ScreenId screen);

// The general formula, followed on a second line by the worked one when `working` holds the
// field's result, and a last line naming the key that opens the solution.
std::string explanation(const ControlLayout& result, const calc::Working* working = nullptr);

// The general formula, with the value taken for π.
std::string generalOf(const Formula& formula);

// A pattern of the table with the numbers of one worked result.
std::string filledIn(std::string_view pattern, const calc::Working& working,
                     const calc::WorkedResult& result);

// A number as the formulas write it: bracketed where it is negative or in exponent form.
std::string numberText(double value);

// The line saying where the pupil's numbers appear, before the screen's first compute.
std::string_view promptOf(ScreenId screen);

}  // namespace screens
