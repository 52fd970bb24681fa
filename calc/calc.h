#pragma once

// The calculation core: conversions between field texts and numbers, the four geometry
// calculations and the three-base arithmetic. Plain C++; knows nothing of windows.

#include "conversions.h"
#include "field_access.h"
#include "geometry.h"
#include "messages.h"
#include "number_form.h"
#include "positional_text.h"
#include "rows.h"
#include "working.h"
