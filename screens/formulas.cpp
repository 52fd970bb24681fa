#include "screens/formulas.h"

#include <charconv>
#include <optional>
#include <span>

#include "calc/conversions.h"
#include "calc/geometry.h"

namespace screens {

namespace {

constexpr std::string_view kSolutionKey = "F1 — решение по шагам";
constexpr std::string_view kComputePrompt = "Ваши числа появятся здесь после нажатия «вычислить».";
constexpr std::string_view kOperatorPrompt =
    "Ваши числа появятся здесь после нажатия кнопки действия: +, −, ·, :.";

struct Fill {
    std::span<const calc::UsedValue> values;
    std::optional<calc::RowOp> op;
    std::string_view result;
    std::span<const calc::Step> steps;
};

// "{3}" names the third operation's result; anything else is no step.
std::optional<std::size_t> stepNumber(std::string_view name) {
    std::size_t number = 0;
    const char* end = name.data() + name.size();
    const auto [stop, error] = std::from_chars(name.data(), end, number);
    if (error != std::errc() || stop != end || number == 0) return std::nullopt;
    return number;
}

std::string valueFor(std::string_view name, const Fill& fill) {
    if (name == "=") return std::string(fill.result);
    if (name == "π") return numberText(calc::kPi);  // the same in every compute
    if (name == "2π") return numberText(calc::kTwoPi);
    if (auto number = stepNumber(name); number && *number <= fill.steps.size())
        return numberText(fill.steps[*number - 1].result);
    if (name == "op" && fill.op) return std::string(calc::signOf(*fill.op));
    for (const calc::UsedValue& used : fill.values) {
        if (used.name == name) return numberText(used.value);
    }
    return std::string(1, '{').append(name).append(1, '}');  // not recorded: shown as it is
}

bool endsLine(std::string_view rest) {
    return rest.empty() || rest.front() == '\n';
}

// The result of a chain of equalities needs no brackets.
std::string unbracketed(std::string value) {
    if (value.size() < 2 || value.front() != '(' || value.back() != ')') return value;
    return value.substr(1, value.size() - 2);
}

std::string filled(std::string_view pattern, const Fill& fill) {
    std::string text;
    while (!pattern.empty()) {
        std::size_t open = pattern.find('{');
        std::size_t close = pattern.find('}', open);
        if (close == std::string_view::npos) break;
        text.append(pattern.substr(0, open));
        std::string value = valueFor(pattern.substr(open + 1, close - open - 1), fill);
        pattern.remove_prefix(close + 1);
        text += endsLine(pattern) ? unbracketed(std::move(value)) : value;
    }
    return text.append(pattern);
}

}  // namespace

// A negative number or one in exponent form is bracketed, as "3,14 · (-2)²" must be.
std::string numberText(double value) {
    std::string text = calc::textOf(value);
    if (text.front() != '-' && text.find('E') == std::string::npos) return text;
    return std::string(1, '(').append(text).append(1, ')');
}

std::vector<const ControlLayout*> resultFields(ScreenId screen) {
    std::vector<const ControlLayout*> found;
    for (const ControlLayout& control : layoutOf(screen).controls) {
        if (control.formula) found.push_back(&control);
    }
    return found;
}

std::string generalOf(const Formula& formula) {
    return filled(formula.general, {});
}

std::string explanation(const ControlLayout& result, const calc::Working* working) {
    std::string text = generalOf(*result.formula);
    const calc::WorkedResult* worked = working ? working->find(result.name) : nullptr;
    if (worked)
        text.append("\n").append(
            filled(result.formula->worked, {worked->values, working->op, worked->text, {}}));
    return text.append("\n").append(kSolutionKey);
}

std::string filledIn(std::string_view pattern, const calc::Working& working,
                     const calc::WorkedResult& result) {
    return filled(pattern, {result.values, working.op, result.text, result.steps});
}

std::string_view promptOf(ScreenId screen) {
    return screen == ScreenId::Calculator ? kOperatorPrompt : kComputePrompt;
}

}  // namespace screens
