#pragma once

#include <string_view>

#include "calc/detail/number_scan.h"

namespace calc::detail {

// The value of a scanned number, correctly rounded; raises Overflow past the double range.
// `source` is the text it came from, quoted in the error message.
double numberValue(const ScannedNumber& number, std::string_view source);

}  // namespace calc::detail
