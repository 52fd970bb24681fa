#pragma once

#include "calc/working.h"
#include "screens/tables/screen_id.h"
#include "screens/widgets/screen_fields.h"

namespace screens {

// Gives each result field of a new screen its formula as tooltip and accessible description.
// A result the pupil types over is no longer the worked one, so its field goes back to the
// general formula.
void attachFormulas(ScreenId screen, ScreenFields& fields);

// Explains each result field after a compute: the formula worked through with the numbers used
// where the compute wrote the field, the general formula where it stopped at an error first.
void explainResults(ScreenId screen, ScreenFields& fields, const calc::Working& working);

}  // namespace screens
