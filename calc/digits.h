#pragma once

#include <string_view>

namespace calc {

// The digits of every number system the program writes, by value.
inline constexpr std::string_view kDigits = "0123456789ABCDEF";

}  // namespace calc
