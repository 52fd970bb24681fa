#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/working.h"
#include "solution/exact.h"
#include "solution/number_text.h"

namespace solution {

// A number of the working as the pupil writes it.
struct Shown {
    Exact value;
    bool rounded = false;       // written with "≈": a root, or a value too long to copy
    bool vanished = false;      // too small for the computer, which took it as 0
    std::string fraction = {};  // "7/12": a quotient written as a short fraction first
};

// The answer line's number: to hundredths, or to three significant digits where hundredths
// would lose it (below 0,005) or the number is written with E.
struct AnswerValue {
    Exact value;
    bool significant = false;  // to three significant digits
};
AnswerValue answerOf(const Exact& x);

// How the working rounds a value that is not short.
struct Rounding {
    // The calculator's operation line: to the field's digits, a quotient first as a short fraction.
    bool fieldDigits = false;
    // The answer the field's number gives: a value is rounded to the fewest decimals, at least
    // two, from which the working still arrives at it. None: to kCopiedDigits digits.
    std::optional<Exact> answer;
};

// The numbers of one result's working, worked again as a pupil works them: each input as its
// field shows it, each step exactly from the numbers written for its operands, and a value that
// is not short rounded as `rounding` says, so that the next step goes on from the rounded one.
class WorkedValues {
  public:
    WorkedValues(std::span<const calc::UsedValue> inputs, std::span<const calc::Step> steps,
                 const Rounding& rounding);

    // An input's, constant's or step's value by its name; none where nothing has it.
    const Shown* find(std::string_view name) const;
    // The value of an operand: by its name, or as its number is written.
    Shown operand(const calc::UsedValue& used) const;
    // The last step's value; none without steps.
    const Shown* last() const { return steps_.empty() ? nullptr : &steps_.back(); }
    const std::vector<Shown>& steps() const { return steps_; }

  private:
    using Named = std::vector<std::pair<std::string_view, Shown>>;

    Shown written(std::span<const calc::Step> steps, std::size_t at,
                  const Rounding& rounding) const;
    bool leadsTo(std::span<const calc::Step> steps, std::size_t at, const Exact& choice,
                 const Exact& answer) const;

    Named named_;
    std::vector<Shown> steps_;
};

}  // namespace solution
