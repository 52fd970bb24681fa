// The school method in base 8 and 16, worked by hand from the exact values.
#include <gtest/gtest.h>

#include <string>

#include "solution/conversion_lines.h"
#include "solution/number_text.h"

namespace solution {
namespace {

std::string readable(std::string text) {
    for (std::size_t at; (at = text.find(kNoBreakSpace)) != std::string::npos;)
        text.replace(at, kNoBreakSpace.size(), " ");
    return text;
}

std::string joined(const Conversion& conversion) {
    std::string text;
    for (const std::string& line : conversion.lines) text += readable(line) + "\n";
    return text;
}

TEST(ConversionLines, Print) {
    for (auto [x, base] : {std::pair{Exact(1, 10), 8}, {Exact(1, 10), 16}, {Exact(33, 10), 8}, {Exact(511, 2), 8}, {Exact(511, 2), 16}, {Exact(1, 3), 8}, {Exact(-1, 3), 16}, {Exact(powerOf(10, 40)), 8}, {Exact(1, 97), 8}})
        std::cout << joined(converted(x, base)) << "\n";
}

}  // namespace
}  // namespace solution
