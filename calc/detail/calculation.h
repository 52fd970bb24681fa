#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "calc/field_access.h"
#include "calc/messages.h"
#include "calc/working.h"

namespace calc::detail {

// A text a compute read, with the field it came from: a conversion of it that fails says which
// field it was about.
struct FieldText {
    std::string field;
    std::string text;
};
double valueOf(const FieldText& read);
double coerceToDouble(const FieldText& read);

// One run of a calculation over a screen's fields. Its arithmetic records the faults that end a
// calculation, worked out from operands and results (not the FPU's flags, which the optimiser
// may move); every field access clears them.
class Calculation {
  public:
    explicit Calculation(FieldAccess& fields) : fields_(fields) {}

    FieldText read(std::string_view field);
    // Writes a result and, where the fields keep a working, the numbers it came from.
    void write(std::string_view field, std::string_view text,
               std::initializer_list<UsedValue> used = {});

    // Each step gives its result the label `label`, by which later steps and formulas name it.
    UsedValue add(UsedValue a, UsedValue b, std::string_view label);
    UsedValue subtract(UsedValue a, UsedValue b, std::string_view label);
    UsedValue multiply(UsedValue a, UsedValue b, std::string_view label);
    UsedValue divide(UsedValue a, UsedValue b, std::string_view label);
    UsedValue square(UsedValue a, std::string_view label) {  // rounded once, as b * b
        return multiply(a, a, label);
    }
    UsedValue squareRoot(UsedValue a, std::string_view label);

    // Raises the recorded fault, if any: division by zero first, then overflow, then invalid
    // operation. `where` says what was being computed, for the message.
    void raiseRecordedFault(Detail where);

  private:
    // Notes the step's fault, and the step itself where the fields keep a working.
    UsedValue record(std::string_view label, StepOp op, UsedValue a, UsedValue b, double result);
    void clear() { invalid_ = divisionByZero_ = overflow_ = false; }

    FieldAccess& fields_;
    bool invalid_ = false;
    bool divisionByZero_ = false;
    bool overflow_ = false;
};

}  // namespace calc::detail
