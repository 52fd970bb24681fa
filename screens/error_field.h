#pragma once

#include <string>

#include "calc/messages.h"

namespace screens {

class Screen;

// The error's message, naming the field it is about as the screen shows that field.
std::string messageOnScreen(Screen& screen, const calc::RuntimeError& error);

// Puts the keyboard focus in the field the error is about, its whole text selected, so that the
// pupil can type the number at once. An error about no field leaves the focus where it is.
void returnToField(Screen& screen, const calc::RuntimeError& error);

}  // namespace screens
