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

// The line saying where the pupil's numbers appear, before the screen's first compute.
std::string_view promptOf(ScreenId screen);

}  // namespace screens
