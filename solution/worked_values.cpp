#include "solution/worked_values.h"

#include <algorithm>
#include <cmath>

#include "calc/number_form.h"
#include "solution/number_text.h"

namespace solution {

namespace {

constexpr int kAnswerDecimals = 2;        // answers to hundredths...
constexpr int kAnswerSignificant = 3;     // ...or to three significant digits
constexpr int kFewestDecimals = 2;        // a rounded value keeps at least these
constexpr int kExactRootDigits = 40;      // a root that is not whole, as far as it decides anything
const Exact kSmallestHundredths(1, 200);  // 0,005: below it, hundredths say 0

const Shown* findIn(const std::vector<std::pair<std::string_view, Shown>>& named,
                    std::string_view name) {
    for (auto it = named.rbegin(); it != named.rend(); ++it)
        if (it->first == name) return &it->second;
    return nullptr;
}

Shown operandIn(const std::vector<std::pair<std::string_view, Shown>>& named,
                const calc::UsedValue& used) {
    if (const Shown* shown = findIn(named, used.name)) return *shown;
    return {std::isfinite(used.value) ? exactAsShown(used.value) : Exact(0)};
}

// The step's exact value from the numbers written for its operands; `inexact` where it is a root
// that is not whole.
Exact exactValue(calc::StepOp op, const Exact& a, const Exact& b, bool& inexact) {
    inexact = false;
    switch (op) {
        case calc::StepOp::Add:
            return a + b;
        case calc::StepOp::Subtract:
            return a - b;
        case calc::StepOp::Multiply:
            return a * b;
        case calc::StepOp::Divide:
            return b == 0 ? Exact(0) : Exact(a / b);
        case calc::StepOp::SquareRoot:
            break;
    }
    return squareRoot(a, kExactRootDigits, inexact);
}

// The ways to round a value, shortest first: to 2, 3… decimals, below 0,01 and from 1E+15 on to
// 1, 2… significant digits, up to the field's digits; never to 0. Most lead to the answer within
// the digits a pupil copies; a long chain of large numbers needs more.
std::vector<Exact> roundings(const Exact& x) {
    std::vector<Exact> choices;
    if (x == 0) return {x};
    const int power = leadingPower(x);
    auto add = [&choices](const Exact& choice) {
        if (choice != 0 && (choices.empty() || choices.back() != choice)) choices.push_back(choice);
    };
    if (power >= calc::kExponentFormFrom || power < -kFewestDecimals) {
        for (int digits = 1; digits <= calc::kDecimalDigits; ++digits)
            add(roundedSignificant(x, digits));
    } else {
        const int most = std::max(kFewestDecimals, calc::kDecimalDigits - 1 - power);
        for (int decimals = kFewestDecimals; decimals <= most; ++decimals)
            add(roundedDecimals(x, decimals));
    }
    return choices;
}

}  // namespace

AnswerValue answerOf(const Exact& x) {
    const Exact magnitude = abs(x);
    if (x != 0 && (magnitude < kSmallestHundredths || leadingPower(x) >= calc::kExponentFormFrom))
        return {roundedSignificant(x, kAnswerSignificant), true};
    return {roundedDecimals(x, kAnswerDecimals)};
}

WorkedValues::WorkedValues(std::span<const calc::UsedValue> inputs,
                           std::span<const calc::Step> steps, const Rounding& rounding) {
    for (const calc::UsedValue& input : inputs)
        if (!find(input.name)) named_.emplace_back(input.name, Shown{exactAsShown(input.value)});
    for (std::size_t at = 0; at < steps.size(); ++at) {
        const calc::Step& step = steps[at];
        Shown value = written(steps, at, rounding);
        // A product or quotient of numbers the computer has that comes out 0 for it.
        bool scaling = step.op == calc::StepOp::Multiply || step.op == calc::StepOp::Divide;
        value.vanished = scaling && step.result == 0.0 && value.value != 0 && step.a.value != 0.0 &&
                         step.b.value != 0.0;
        steps_.push_back(value);
        named_.emplace_back(step.label, value);
    }
}

Shown WorkedValues::written(std::span<const calc::Step> steps, std::size_t at,
                            const Rounding& rounding) const {
    const calc::Step& step = steps[at];
    bool inexact = false;
    Exact x = exactValue(step.op, operand(step.a).value, operand(step.b).value, inexact);
    if (!inexact && isShort(x, rounding.fieldDigits ? calc::kDecimalDigits : kCopiedDigits))
        return {x};
    if (rounding.fieldDigits) {
        Shown shown{x};
        if (std::optional<std::string> fraction = shortFraction(x);
            fraction && step.op == calc::StepOp::Divide) {
            shown.fraction = *fraction;
            if (std::optional<Decimal> decimal = decimalOf(x, kLongestPeriod)) {  // 0,58(3)
                std::size_t digits = (decimal->integer == "0" ? 0 : decimal->integer.size()) +
                                     decimal->fraction.size() + decimal->period.size();
                if (digits <= static_cast<std::size_t>(calc::kDecimalDigits)) return shown;
            }
        }
        shown.value = roundedSignificant(x, calc::kDecimalDigits);
        shown.rounded = true;
        return shown;
    }
    const std::vector<Exact> choices = roundings(x);
    if (!rounding.answer) {  // no answer to arrive at: the digits a pupil copies
        auto copied = std::find_if(choices.rbegin(), choices.rend(), [](const Exact& choice) {
            return isShort(choice, kCopiedDigits);
        });
        return {copied == choices.rend() ? choices.front() : *copied, true};
    }
    for (const Exact& choice : choices)
        if (leadsTo(steps, at, choice, *rounding.answer)) return {choice, true};
    // Nothing leads to the field's answer (the computer's number differs from the working's in
    // its hundredths): the closest the working can come.
    return {choices.back(), true};
}

// Whether the working, going on from `choice` for the step `at` with the later steps exact,
// arrives at the answer.
bool WorkedValues::leadsTo(std::span<const calc::Step> steps, std::size_t at, const Exact& choice,
                           const Exact& answer) const {
    Named named = named_;
    named.emplace_back(steps[at].label, Shown{choice});
    Exact last = choice;
    for (std::size_t next = at + 1; next < steps.size(); ++next) {
        const calc::Step& step = steps[next];
        bool inexact = false;
        last = exactValue(step.op, operandIn(named, step.a).value, operandIn(named, step.b).value,
                          inexact);
        named.emplace_back(step.label, Shown{last});
    }
    return answerOf(last).value == answer;
}

const Shown* WorkedValues::find(std::string_view name) const {
    return findIn(named_, name);
}

Shown WorkedValues::operand(const calc::UsedValue& used) const {
    return operandIn(named_, used);
}

}  // namespace solution
