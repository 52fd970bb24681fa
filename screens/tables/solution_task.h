#pragma once

#include "screens/tables/screen_table.h"
#include "solution/solution_text.h"

namespace screens {

// What a screen's solution is made of, from its table: the result rows with their formulas, the
// inputs given, and the prompt before any compute.
solution::Task solutionTask(const ScreenTable& table);

}  // namespace screens
