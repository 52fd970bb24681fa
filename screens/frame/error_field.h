#pragma once

#include <exception>

namespace screens {

class ScreenFields;

// Puts the keyboard focus in the field the error is about, its whole text selected, so that the
// pupil can type the number at once. An error about no field leaves the focus where it is.
void returnToField(const ScreenFields& fields, const std::exception& error);

}  // namespace screens
