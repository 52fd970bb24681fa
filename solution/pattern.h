#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace solution {

// A value put in place of a "{name}": its text as an operand, whether it is rounded, and the
// text where the working arrives at it, if another ("7/12 = 0,58(3)").
struct Filled {
    std::string text;
    bool rounded = false;
    std::string arrival = {};
};
using Lookup = std::function<std::optional<Filled>(std::string_view name)>;

// The one pattern filler: each "{name}" becomes the value `lookup` gives for it, or stays as it
// is where there is none. A value that ends a line loses its brackets. An "=" whose right side,
// up to the next sign, arrives at a rounded value becomes "≈": "=" stands only where it is
// exact.
std::string filled(std::string_view pattern, const Lookup& lookup);

// A pattern of words with "{1}", "{2}"... taking the values in turn.
std::string wordsWith(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace solution
