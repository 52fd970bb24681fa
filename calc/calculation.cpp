#include "calculation.h"

#include <cmath>

#include "conversions.h"
#include "messages.h"

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
    if (Working* working = fields_.working())
        working->results.push_back({std::string(field), used, std::string(text)});
}

double Calculation::record(double a, double b, double result) {
    bool operandsFinite = std::isfinite(a) && std::isfinite(b);
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) {
        invalid_ = true;  // inf - inf, 0 * inf, 0 / 0, inf / inf
    } else if (std::isinf(result) && operandsFinite) {
        overflow_ = true;
    }
    return result;
}

double Calculation::add(double a, double b) {
    return record(a, b, a + b);
}
double Calculation::subtract(double a, double b) {
    return record(a, b, a - b);
}
double Calculation::multiply(double a, double b) {
    return record(a, b, a * b);
}

double Calculation::divide(double a, double b) {
    if (b == 0.0 && a != 0.0 && std::isfinite(a)) {
        divisionByZero_ = true;
        return a / b;
    }
    return record(a, b, a / b);
}

double Calculation::squareRoot(double a) {
    if (a < 0.0) throw RuntimeError(errors::InvalidOperation, Detail::NegativeRoot);
    return std::sqrt(a);
}

void Calculation::raiseRecordedFault(Detail where) {
    int fault = divisionByZero_ ? errors::DivisionByZero
                : overflow_     ? errors::Overflow
                : invalid_      ? errors::InvalidOperation
                                : 0;
    if (fault != 0) throw RuntimeError(fault, where);
}

}  // namespace calc::detail
