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

    double add(double a, double b);
    double subtract(double a, double b);
    double multiply(double a, double b);
    double divide(double a, double b);
    double square(double a) { return multiply(a, a); }  // rounded once, as b * b
    double squareRoot(double a);

    // Raises the recorded fault, if any: division by zero first, then overflow, then invalid
    // operation. `where` says what was being computed, for the message.
    void raiseRecordedFault(Detail where);

  private:
    // Notes the step's fault, and the step itself where the fields keep a working.
    double record(StepOp op, double a, double b, double result);
    void clear() { invalid_ = divisionByZero_ = overflow_ = false; }

    FieldAccess& fields_;
    bool invalid_ = false;
    bool divisionByZero_ = false;
    bool overflow_ = false;
};

}  // namespace calc::detail
