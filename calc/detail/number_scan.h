#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace calc::detail {

enum class NumberKind { Decimal, Hexadecimal, Octal };

// One number as written at the start of a text, blanks removed.
struct ScannedNumber {
    bool found = false;
    bool negative = false;
    NumberKind kind = NumberKind::Decimal;
    std::string digits;             // mantissa digits, or the hexadecimal/octal digits
    std::size_t integerDigits = 0;  // how many of `digits` stand before the separator
    std::string exponentDigits;     // empty when there is no exponent
    bool exponentNegative = false;
    std::size_t end = 0;  // byte offset just past the number's last character
};

// Reads the longest number at the start of `text`; `found` is false when there is none.
ScannedNumber scanNumber(std::string_view text);

// True when `text` holds nothing but blanks (the empty text included).
bool isBlank(std::string_view text);

}  // namespace calc::detail
