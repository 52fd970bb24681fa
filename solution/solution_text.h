#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/working.h"
#include "solution/formula.h"

namespace solution {

// A screen's results and how its solution opens.
struct Task {
    struct Result {
        std::string_view field;
        const Formula* formula;
    };
    std::vector<Result> results;  // in the screen's order
    std::string_view given;       // the inputs "Дано:" names, "a, b"; none: no such line
    std::string_view prompt;      // before the first compute: where the numbers will appear
};

// The working of a screen's last compute, as the solution window shows and copies it: what is
// given and to be found, for each result its formula, the steps with the pupil's numbers worked
// exactly, a note where the field shows the number otherwise, and an answer line; after a
// fault, the steps up to the failing one, what went wrong, and the results not computed. Before
// any compute (`working` null): the general formulas and the prompt.
std::string solutionText(const Task& task, const calc::Working* working);

// The general formula, with the value taken for π.
std::string generalOf(const Formula& formula);

// The formula with one compute's numbers and the field's text, on one line.
std::string workedLine(const Formula& formula, const calc::Working& working,
                       const calc::WorkedResult& result);

}  // namespace solution
