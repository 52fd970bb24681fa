#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "field_access.h"
#include "messages.h"

namespace calc {

enum class RowOp;  // rows.h, which computes through this file

// A number a compute read or worked out, by the name its formula gives it: an input ("r"), a
// constant ("π", "2") or a step's label ("l").
struct UsedValue {
    std::string_view name;
    double value;
};

enum class StepOp { Add, Subtract, Multiply, Divide, SquareRoot };

// The operation's sign as the pupil reads it: "+", "−", "·", ":", "√".
std::string_view signOf(StepOp op);

// One operation of a compute's arithmetic, as it was done: its label, the operands by name and
// value, the result, and the fault it ran into, if any. A square root has no second operand.
// Formulas refer to a step by its label ("{l}"), and the label names its result in later steps.
struct Step {
    std::string_view label;
    StepOp op;
    UsedValue a;
    UsedValue b;
    double result;
    std::optional<Error> fault;
};

// How one result came about: the numbers it was computed from, every operation on the way in
// order, and the text its field was given.
struct WorkedResult {
    std::string field;
    std::vector<UsedValue> values;
    std::vector<Step> steps;
    std::string text;
};

// What one compute wrote, result by result. A result it did not write (it stopped at an error
// first) has no entry; the steps it got through are in `pending`, and `fault` says what stopped
// it.
struct Working {
    std::optional<RowOp> op;  // the calculator's operation
    std::vector<WorkedResult> results;
    std::vector<Step> pending;   // the steps of the result being worked on
    std::optional<Error> fault;  // none while nothing has gone wrong
    std::string faultMessage;    // the error's message, as the pupil is shown it

    const WorkedResult* find(std::string_view field) const;
};

// A screen's fields seen through one compute that keeps its working.
class WorkedFields : public FieldAccess {
  public:
    explicit WorkedFields(FieldAccess& fields) : fields_(fields) {}

    std::string text(std::string_view name) override { return fields_.text(name); }
    void setText(std::string_view name, std::string_view text) override {
        fields_.setText(name, text);
    }
    Working* working() override { return &working_; }
    std::string caption(std::string_view name) const override { return fields_.caption(name); }

    // Runs a compute on these fields. An error that stops it is noted in the working, worded as
    // messageOf words it, and goes on to the caller.
    void run(const std::function<void(FieldAccess&)>& compute);

  private:
    FieldAccess& fields_;
    Working working_;
};

}  // namespace calc
