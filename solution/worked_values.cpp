#include "solution/worked_values.h"

#include <cmath>

#include "solution/number_text.h"

namespace solution {

namespace {

Shown quotient(const Exact& a, const Exact& b) {
    if (b == 0) return {};
    return {a / b};  // a long period is written as a fraction
}

Shown stepValue(const calc::Step& step, const Shown& a, const Shown& b) {
    switch (step.op) {
        case calc::StepOp::Add:
            return {a.value + b.value};
        case calc::StepOp::Subtract:
            return {a.value - b.value};
        case calc::StepOp::Multiply:
            return {a.value * b.value};
        case calc::StepOp::Divide:
            return quotient(a.value, b.value);
        case calc::StepOp::SquareRoot:
            break;
    }
    Shown root;
    root.value = squareRoot(a.value, kFieldDigits, root.rounded);
    return root;
}

}  // namespace

WorkedValues::WorkedValues(std::span<const calc::UsedValue> inputs,
                           std::span<const calc::Step> steps) {
    for (const calc::UsedValue& input : inputs)
        if (!find(input.name)) named_.emplace_back(input.name, Shown{seen(input.value)});
    for (const calc::Step& step : steps) {
        Shown value = stepValue(step, operand(step.a), operand(step.b));
        // A product or quotient of numbers the computer has that comes out 0 for it.
        bool scaling = step.op == calc::StepOp::Multiply || step.op == calc::StepOp::Divide;
        value.vanished = scaling && step.result == 0.0 && value.value != 0 && step.a.value != 0.0 &&
                         step.b.value != 0.0;
        steps_.push_back(value);
        named_.emplace_back(step.label, value);
    }
}

const Shown* WorkedValues::find(std::string_view name) const {
    for (auto it = named_.rbegin(); it != named_.rend(); ++it)
        if (it->first == name) return &it->second;
    return nullptr;
}

Shown WorkedValues::operand(const calc::UsedValue& used) const {
    if (const Shown* shown = find(used.name)) return *shown;
    return {std::isfinite(used.value) ? seen(used.value) : Exact(0)};
}

}  // namespace solution
