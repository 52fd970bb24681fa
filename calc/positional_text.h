#pragma once

#include <string>

namespace calc {

// A number in base 8 or 16 as the result fields write it (number_form.h).
std::string octalText(double value);
std::string hexText(double value);

}  // namespace calc
