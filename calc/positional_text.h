#pragma once

#include <string>

namespace calc {

// The exact value in octal or hexadecimal positional notation, fraction digits included.
std::string octalText(double value);
std::string hexText(double value);

}  // namespace calc
