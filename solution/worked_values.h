#pragma once

#include <span>
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
    bool rounded = false;   // a root cut to the field's digits: "≈"
    bool vanished = false;  // too small for the computer, which took it as 0
};

// The numbers of one result's working, worked again exactly: each input as its field shows it,
// each step exactly from the numbers shown for its operands. Only a root that is not whole is
// rounded, to the field's digits.
class WorkedValues {
  public:
    WorkedValues(std::span<const calc::UsedValue> inputs, std::span<const calc::Step> steps);

    // An input's, constant's or step's value by its name; none where nothing has it.
    const Shown* find(std::string_view name) const;
    // The value of an operand: by its name, or as its number is written.
    Shown operand(const calc::UsedValue& used) const;
    // The last step's value; none without steps.
    const Shown* last() const { return steps_.empty() ? nullptr : &steps_.back(); }
    const std::vector<Shown>& steps() const { return steps_; }

  private:
    std::vector<std::pair<std::string_view, Shown>> named_;
    std::vector<Shown> steps_;
};

}  // namespace solution
