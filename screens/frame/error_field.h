#pragma once

#include <exception>
#include <string>

namespace screens {

class ScreenFields;

// The message an error that ended a click is shown with, in its box and in the solution: a
// runtime error's own, naming the field it is about as the screen shows that field; for running
// out of memory or anything unforeseen, the table's text for that.
std::string messageOnScreen(const ScreenFields& fields, const std::exception& error);

// Puts the keyboard focus in the field the error is about, its whole text selected, so that the
// pupil can type the number at once. An error about no field leaves the focus where it is.
void returnToField(const ScreenFields& fields, const std::exception& error);

}  // namespace screens
