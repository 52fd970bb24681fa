#pragma once

#include <string>

#include "calc/working.h"

namespace solution::testing {

// The solution of a compute with every step shown on a line of its own, "{a} · {b} = {ab}", by
// the names the compute gives its numbers: what the screens' formulas can show, without their
// tables.
std::string genericSolution(const calc::Working& working);

// The fields of every screen with the same two texts typed in: the geometry screens' and each of
// the calculator's rows, results empty.
calc::FieldTable::Texts typedEverywhere(const std::string& a, const std::string& b);

}  // namespace solution::testing
