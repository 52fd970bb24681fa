#pragma once

#include <string_view>

namespace solution {

// How a result field is worked out, in the screen's table.
struct Formula {
    // The formula in letters; "{π}" is the value the calculations take for π.
    std::string_view general;
    // The formula with one compute's numbers: "{r}" and the like are the values it used, by the
    // names it gives them, "{op}" is the calculator's operation, "{=}" the text the field got.
    std::string_view worked;
    // The solution's working, line by line; "{l}" and the like are the results of the compute's
    // steps by their labels. A number that ends a line is written without brackets.
    std::string_view steps;
    // What the answer line names: "S" in "Ответ: S = 6".
    std::string_view answer;
    int base = 10;  // the number system of the field's text
};

}  // namespace solution
