#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/working.h"
#include "screens/screen_id.h"

namespace screens {

// How a result field was found, in school notation, for its tooltip.
struct Formula {
    ScreenId screen;
    std::string_view field;
    // The formula in letters; "{π}" is the value the calculations take for π.
    std::string_view general;
    // The formula with one compute's numbers: "{r}" and the like are the values it used, by the
    // names it gives them, "{op}" is the calculator's operation, "{=}" the text the field got.
    std::string_view worked;
};

// The formulas of a screen's result fields, in the order of the table.
std::vector<const Formula*> formulasOf(ScreenId screen);

// The general formula, followed on a second line by the worked one when `working` holds the
// field's result.
std::string explanation(const Formula& formula, const calc::Working* working = nullptr);

}  // namespace screens
