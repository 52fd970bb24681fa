#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/working.h"
#include "screens/screen_id.h"

namespace screens {

// How a result field was found, in school notation, for its tooltip.
struct Formula {
    ScreenId screen;
    std::string_view field;
    // The formula in letters; "{π}" is the value the calculations take for π.
    std::string_view general;
    // The formula with one compute's numbers: "{r}" and the like are the values it used, by the
    // names it gives them, "{op}" is the calculator's operation, "{=}" the text the field got.
    std::string_view worked;
    // The solution's working, line by line; "{1}", "{2}" and so on are the results of the
    // compute's operations in the order it did them. A number that ends a line is written
    // without brackets.
    std::string_view steps;
    // What the answer line names: "S" in "Ответ: S = 6".
    std::string_view answer;
    int base = 10;  // the number system of the field's text
};

// The formulas of a screen's result fields, in the order of the table.
std::vector<const Formula*> formulasOf(ScreenId screen);

// The general formula, followed on a second line by the worked one when `working` holds the
// field's result, and a last line naming the key that opens the solution.
std::string explanation(const Formula& formula, const calc::Working* working = nullptr);

// The general formula, with the value taken for π.
std::string generalOf(const Formula& formula);

// A pattern of the table with the numbers of one worked result.
std::string filledIn(std::string_view pattern, const calc::Working& working,
                     const calc::WorkedResult& result);

// A number as the formulas write it: bracketed where it is negative or in exponent form.
std::string numberText(double value);

// The line saying where the pupil's numbers appear, before the screen's first compute.
std::string_view promptOf(ScreenId screen);

}  // namespace screens
