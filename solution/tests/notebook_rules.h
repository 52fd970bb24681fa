#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/working.h"

namespace solution::testing {

// What a text had beyond the copied digits: rounded values that needed more digits to arrive at
// the field's answer, and answers that are not the field's because the computer's number differs.
struct Exceptions {
    std::size_t numbers = 0;
    std::size_t longRounded = 0;
    std::size_t answers = 0;
    std::size_t otherAnswers = 0;
};

// Reads a solution's text as a pupil copies it into a notebook, and says which lines break its
// rules: a number too long to copy (more than 8 significant digits, 15 in the calculator, where
// it has more than two decimals or an exponent; a fraction of more than 4-digit parts) unless the
// pupil typed it, a field shows it or it stands after "≈" with at most the field's digits; brackets
// that do not pair; a line that begins with a sign; more than one note for a result; an answer
// that says "≈" where no step before it did, or "=" where one did; a decimal answer that is not
// the field's number rounded as it says, unless a note says why and gives the field's number.
// Conversion ladders, routes and checks carry the value converted and are left to falseLines.
std::vector<std::string> brokenRules(std::string_view text, const calc::Working& working,
                                     Exceptions& seen);

}  // namespace solution::testing
