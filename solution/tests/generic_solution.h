#pragma once

#include <string>

#include "calc/working.h"

namespace solution::testing {

// The solution of a compute with every step shown on a line of its own, "{a} · {b} = {ab}", by
// the names the compute gives its numbers: what the screens' formulas can show, without their
// tables.
std::string genericSolution(const calc::Working& working);

}  // namespace solution::testing
