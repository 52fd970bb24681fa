#pragma once

#include <string>

#include "calc/working.h"
#include "screens/screen_id.h"

namespace screens {

// The solution of a screen's last compute as the solution window shows it (null `working`:
// before any compute), from the formulas of the screen's table.
std::string solutionText(ScreenId screen, const calc::Working* working);

}  // namespace screens
