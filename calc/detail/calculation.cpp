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

double Calculation::record(StepOp op, double a, double b, double result) {
    bool operandsFinite = std::isfinite(a) && std::isfinite(b);
    std::optional<Error> fault;
    if (op == StepOp::Divide && b == 0.0 && a != 0.0 && std::isfinite(a)) {
        divisionByZero_ = true;
        fault = Error::DivisionByZero;
    } else if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) {
        invalid_ = true;  // inf - inf, 0 * inf, 0 / 0, inf / inf
        fault = Error::InvalidOperation;
    } else if (std::isinf(result) && operandsFinite) {
        overflow_ = true;
        fault = Error::Overflow;
    }
    if (Working* working = fields_.working()) working->pending.push_back({op, a, b, result, fault});
    return result;
}

double Calculation::add(double a, double b) {
    return record(StepOp::Add, a, b, a + b);
}
double Calculation::subtract(double a, double b) {
    return record(StepOp::Subtract, a, b, a - b);
}
double Calculation::multiply(double a, double b) {
    return record(StepOp::Multiply, a, b, a * b);
}
double Calculation::divide(double a, double b) {
    return record(StepOp::Divide, a, b, a / b);
}

double Calculation::squareRoot(double a) {
    const double root = record(StepOp::SquareRoot, a, 0.0, std::sqrt(a));  // invalid below 0
    if (a < 0.0) throw RuntimeError(Error::InvalidOperation, Detail::NegativeRoot);
    return root;
}

void Calculation::raiseRecordedFault(Detail where) {
    if (divisionByZero_) throw RuntimeError(Error::DivisionByZero, where);
    if (overflow_) throw RuntimeError(Error::Overflow, where);
    if (invalid_) throw RuntimeError(Error::InvalidOperation, where);
}

}  // namespace calc::detail
