#include "calc/detail/calculation.h"

#include <cmath>

#include "calc/conversions.h"
#include "calc/messages.h"

namespace calc::detail {

namespace {

template <class Conversion>
double convertNaming(const FieldText& read, Conversion convert) {
    try {
        return convert(read.text);
    } catch (RuntimeError& error) {
        error.setField(read.field);
        throw;
    }
}

}  // namespace

double valueOf(const FieldText& read) {
    return convertNaming(read, [](std::string_view text) { return calc::valueOf(text); });
}

double coerceToDouble(const FieldText& read) {
    return convertNaming(read, [](std::string_view text) { return calc::coerceToDouble(text); });
}

FieldText Calculation::read(std::string_view field) {
    FieldText read{std::string(field), fields_.text(field)};
    clear();
    return read;
}

void Calculation::write(std::string_view field, std::string_view text,
                        std::initializer_list<UsedValue> used) {
    fields_.setText(field, text);
    clear();
    if (Working* working = fields_.working()) {
        working->results.push_back(
            {std::string(field), used, std::move(working->pending), std::string(text)});
        working->pending.clear();
    }
}

UsedValue Calculation::record(std::string_view label, StepOp op, UsedValue a, UsedValue b,
                              double result) {
    bool operandsFinite = std::isfinite(a.value) && std::isfinite(b.value);
    std::optional<Error> fault;
    if (op == StepOp::Divide && b.value == 0.0 && a.value != 0.0 && std::isfinite(a.value)) {
        divisionByZero_ = true;
        fault = Error::DivisionByZero;
    } else if (std::isnan(result) && !std::isnan(a.value) && !std::isnan(b.value)) {
        invalid_ = true;  // inf - inf, 0 * inf, 0 / 0, inf / inf
        fault = Error::InvalidOperation;
    } else if (std::isinf(result) && operandsFinite) {
        overflow_ = true;
        fault = Error::Overflow;
    }
    if (Working* working = fields_.working())
        working->pending.push_back({label, op, a, b, result, fault});
    return {label, result};
}

UsedValue Calculation::add(UsedValue a, UsedValue b, std::string_view label) {
    return record(label, StepOp::Add, a, b, a.value + b.value);
}
UsedValue Calculation::subtract(UsedValue a, UsedValue b, std::string_view label) {
    return record(label, StepOp::Subtract, a, b, a.value - b.value);
}
UsedValue Calculation::multiply(UsedValue a, UsedValue b, std::string_view label) {
    return record(label, StepOp::Multiply, a, b, a.value * b.value);
}
UsedValue Calculation::divide(UsedValue a, UsedValue b, std::string_view label) {
    return record(label, StepOp::Divide, a, b, a.value / b.value);
}

UsedValue Calculation::squareRoot(UsedValue a, std::string_view label) {
    // Invalid below 0; the second operand is none.
    const UsedValue root = record(label, StepOp::SquareRoot, a, {}, std::sqrt(a.value));
    if (a.value < 0.0) throw RuntimeError(Error::InvalidOperation, Detail::NegativeRoot);
    return root;
}

void Calculation::raiseRecordedFault(Detail where) {
    if (divisionByZero_) throw RuntimeError(Error::DivisionByZero, where);
    if (overflow_) throw RuntimeError(Error::Overflow, where);
    if (invalid_) throw RuntimeError(Error::InvalidOperation, where);
}

}  // namespace calc::detail
