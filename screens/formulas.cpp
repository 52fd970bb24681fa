#include "screens/formulas.h"

#include <array>
#include <optional>
#include <span>

#include "calc/conversions.h"
#include "calc/geometry.h"

namespace screens {

namespace {

// clang-format off
constexpr std::array kFormulas{
    Formula{ScreenId::Triangle, "txt3", "Гипотенуза: c = √(a² + b²)", "c = √({a}² + {b}²) = {=}",
            "c = √(a² + b²) = √({a}² + {b}²) = √({1} + {2}) = √{3} = {=}", "c"},
    Formula{ScreenId::Triangle, "txt4", "Площадь: S = a·b : 2", "S = {a} · {b} : 2 = {=}",
            "S = a · b : 2 = {a} · {b} : 2 = {1} : 2 = {=}", "S"},
    Formula{ScreenId::Circle, "txt2", "Длина окружности: C = 2πr, π ≈ {π}", "C = 2 · {π} · {r} = {=}",
            "C = 2πr = 2 · {r} · {π} = {1} · {π} = {=}", "C"},
    Formula{ScreenId::Circle, "txt3", "Площадь круга: S = πr²", "S = {π} · {r}² = {=}",
            "S = πr² = {π} · {r}² = {π} · {1} = {=}", "S"},
    Formula{ScreenId::Cylinder, "txt3", "Боковая поверхность: S = 2πrh", "S = 2 · {π} · {r} · {h} = {=}",
            "Sбок = 2πrh = 2 · {r} · {π} · {h} = {1} · {π} · {h} = {2} · {h} = {=}", "Sбок"},
    Formula{ScreenId::Cylinder, "txt4", "Полная поверхность: S = 2πr(r + h)",
            "S = 2 · {π} · {r} · ({r} + {h}) = {=}",
            "Sполн = 2πr(r + h) = {2π} · {r} · ({r} + {h}) = {2π} · {r} · {1} = {2} · {1} = {=}", "Sполн"},
    Formula{ScreenId::Cone, "txt3", "Боковая поверхность: S = πrl, образующая l = √(r² + h²)",
            "l = √({r}² + {h}²) = {l}; S = {π} · {r} · {l} = {=}",
            "l = √(r² + h²) = √({r}² + {h}²) = √({1} + {2}) = √{3} = {4}\n"
            "Sбок = πrl = {π} · {r} · {l} = {5} · {l} = {=}", "Sбок"},
    Formula{ScreenId::Cone, "txt4", "Полная поверхность: S = πr(r + l), образующая l = √(r² + h²)",
            "l = √({r}² + {h}²) = {l}; S = {π} · {r} · ({r} + {l}) = {=}",
            "Sполн = πr(r + l) = {π} · {r} · ({r} + {l}) = {π} · {r} · {5} = {6} · {5} = {=}", "Sполн"},
    Formula{ScreenId::Calculator, "txt3Dec", "Результат в десятичной системе", "{a} {op} {b} = {=}",
            "{a} {op} {b} = {1}", "{a} {op} {b}"},
    Formula{ScreenId::Calculator, "txt3Oct", "Результат в восьмеричной системе",
            "{a} {op} {b} = {=} (в восьмеричной системе)", "{a} {op} {b} = {1}", "{a} {op} {b}", 8},
    Formula{ScreenId::Calculator, "txt3Hex", "Результат в шестнадцатеричной системе",
            "{a} {op} {b} = {=} (в шестнадцатеричной системе)", "{a} {op} {b} = {1}", "{a} {op} {b}", 16},
};
// clang-format on

constexpr std::string_view kSolutionKey = "F1 — решение по шагам";
constexpr std::string_view kComputePrompt = "Ваши числа появятся здесь после нажатия «вычислить».";
constexpr std::string_view kOperatorPrompt =
    "Ваши числа появятся здесь после нажатия кнопки действия: +, −, ·, :.";

// In the order of calc::RowOp.
constexpr std::array<std::string_view, 4> kOperationSigns{"+", "−", "·", ":"};

struct Fill {
    std::span<const calc::UsedValue> values;
    std::optional<calc::RowOp> op;
    std::string_view result;
    std::span<const calc::Step> steps;
};

// "{3}" names the third operation's result; anything else is no step.
std::optional<std::size_t> stepNumber(std::string_view name) {
    std::size_t number = 0;
    for (char digit : name) {
        if (digit < '0' || digit > '9') return std::nullopt;
        number = number * 10 + static_cast<std::size_t>(digit - '0');
    }
    if (name.empty() || number == 0) return std::nullopt;
    return number;
}

std::string valueFor(std::string_view name, const Fill& fill) {
    if (name == "=") return std::string(fill.result);
    if (name == "π") return numberText(calc::kPi);  // the same in every compute
    if (name == "2π") return numberText(calc::kTwoPi);
    if (auto number = stepNumber(name); number && *number <= fill.steps.size())
        return numberText(fill.steps[*number - 1].result);
    if (name == "op" && fill.op)
        return std::string(kOperationSigns.at(static_cast<std::size_t>(*fill.op)));
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

std::vector<const Formula*> formulasOf(ScreenId screen) {
    std::vector<const Formula*> found;
    for (const Formula& formula : kFormulas) {
        if (formula.screen == screen) found.push_back(&formula);
    }
    return found;
}

std::string generalOf(const Formula& formula) {
    return filled(formula.general, {});
}

std::string explanation(const Formula& formula, const calc::Working* working) {
    std::string text = generalOf(formula);
    const calc::WorkedResult* worked = working ? working->find(formula.field) : nullptr;
    if (worked)
        text.append("\n").append(
            filled(formula.worked, {worked->values, working->op, worked->text, {}}));
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
