#pragma once

#include <string>
#include <vector>

#include "calc/working.h"
#include "screens/tables/screen_table.h"

namespace screens {

// The result fields of a screen, in the order of its table: the controls with a formula.
std::vector<const ControlRow*> resultFields(ScreenId screen);

// The general formula, followed on a second line by the worked one when `working` holds the
// field's result, and a last line naming the key that opens the solution.
std::string explanation(const ControlRow& result, const calc::Working* working = nullptr);

}  // namespace screens
