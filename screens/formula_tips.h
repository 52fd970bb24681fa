#pragma once

#include <functional>

#include "calc/field_access.h"

namespace screens {

class Screen;

// Gives each result field of a new screen its formula as tooltip and accessible description.
// A result the pupil types over is no longer the worked one, so its field goes back to the
// general formula.
void attachFormulas(Screen& screen);

// Runs a compute on the screen's fields, then explains each result field: the formula worked
// through with the numbers used where the compute wrote the field, the general formula where it
// stopped at an error first. The error goes on to the caller.
void runExplained(Screen& screen, const std::function<void(calc::FieldAccess&)>& compute);

}  // namespace screens
