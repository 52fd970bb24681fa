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
    Formula{ScreenId::Triangle, "txt3", "Гипотенуза: c = √(a² + b²)", "c = √({a}² + {b}²) = {=}"},
    Formula{ScreenId::Triangle, "txt4", "Площадь: S = a·b : 2", "S = {a} · {b} : 2 = {=}"},
    Formula{ScreenId::Circle, "txt2", "Длина окружности: C = 2πr, π ≈ {π}", "C = 2 · {π} · {r} = {=}"},
    Formula{ScreenId::Circle, "txt3", "Площадь круга: S = πr²", "S = {π} · {r}² = {=}"},
    Formula{ScreenId::Cylinder, "txt3", "Боковая поверхность: S = 2πrh", "S = 2 · {π} · {r} · {h} = {=}"},
    Formula{ScreenId::Cylinder, "txt4", "Полная поверхность: S = 2πr(r + h)",
            "S = 2 · {π} · {r} · ({r} + {h}) = {=}"},
    Formula{ScreenId::Cone, "txt3", "Боковая поверхность: S = πrl, образующая l = √(r² + h²)",
            "l = √({r}² + {h}²) = {l}; S = {π} · {r} · {l} = {=}"},
    Formula{ScreenId::Cone, "txt4", "Полная поверхность: S = πr(r + l), образующая l = √(r² + h²)",
            "l = √({r}² + {h}²) = {l}; S = {π} · {r} · ({r} + {l}) = {=}"},
    Formula{ScreenId::Calculator, "txt3Dec", "Результат в десятичной системе", "{a} {op} {b} = {=}"},
    Formula{ScreenId::Calculator, "txt3Oct", "Результат в восьмеричной системе",
            "{a} {op} {b} = {=} (в восьмеричной системе)"},
    Formula{ScreenId::Calculator, "txt3Hex", "Результат в шестнадцатеричной системе",
            "{a} {op} {b} = {=} (в шестнадцатеричной системе)"},
};
// clang-format on

// In the order of calc::RowOp.
constexpr std::array<std::string_view, 4> kOperationSigns{"+", "−", "·", ":"};

// A negative number or one in exponent form is bracketed, as "3,14 · (-2)²" must be.
std::string numberText(double value) {
    std::string text = calc::textOf(value);
    if (text.front() != '-' && text.find('E') == std::string::npos) return text;
    return std::string(1, '(').append(text).append(1, ')');
}

struct Fill {
    std::span<const calc::UsedValue> values;
    std::optional<calc::RowOp> op;
    std::string_view result;
};

std::string valueFor(std::string_view name, const Fill& fill) {
    if (name == "=") return std::string(fill.result);
    if (name == "π") return numberText(calc::kPi);  // the same in every compute
    if (name == "op" && fill.op)
        return std::string(kOperationSigns.at(static_cast<std::size_t>(*fill.op)));
    for (const calc::UsedValue& used : fill.values) {
        if (used.name == name) return numberText(used.value);
    }
    return std::string(1, '{').append(name).append(1, '}');  // not recorded: shown as it is
}

std::string filled(std::string_view pattern, const Fill& fill) {
    std::string text;
    while (!pattern.empty()) {
        std::size_t open = pattern.find('{');
        std::size_t close = pattern.find('}', open);
        if (close == std::string_view::npos) break;
        text.append(pattern.substr(0, open));
        text += valueFor(pattern.substr(open + 1, close - open - 1), fill);
        pattern.remove_prefix(close + 1);
    }
    return text.append(pattern);
}

}  // namespace

std::vector<const Formula*> formulasOf(ScreenId screen) {
    std::vector<const Formula*> found;
    for (const Formula& formula : kFormulas) {
        if (formula.screen == screen) found.push_back(&formula);
    }
    return found;
}

std::string explanation(const Formula& formula, const calc::Working* working) {
    std::string text = filled(formula.general, {});
    const calc::WorkedResult* worked = working ? working->find(formula.field) : nullptr;
    if (!worked) return text;
    return text + "\n" + filled(formula.worked, {worked->values, working->op, worked->text});
}

}  // namespace screens
