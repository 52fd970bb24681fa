#pragma once

#include <string>
#include <string_view>

#include "number_form.h"  // the separator textOf writes

namespace calc {

// The value of the longest number at the start of `text`; 0 when there is none.
// Blanks are skipped anywhere; "." and "," both separate decimals; "&H1F" and "&O17" are whole
// numbers. A magnitude beyond the double range raises Overflow.
double valueOf(std::string_view text);

// Like valueOf, but the whole text (blanks aside) must be one number, else TypeMismatch.
double coerceToDouble(std::string_view text);

// The text of a number: at most 15 significant digits, exponent form outside 1E-04 .. 1E+15.
std::string textOf(double value);

}  // namespace calc
