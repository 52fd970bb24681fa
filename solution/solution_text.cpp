#include "solution/solution_text.h"

#include <array>
#include <initializer_list>

#include "calc/conversions.h"
#include "calc/geometry.h"
#include "calc/messages.h"
#include "calc/rows.h"
#include "solution/conversion_lines.h"
#include "solution/number_text.h"
#include "solution/pattern.h"
#include "solution/words.h"
#include "solution/worked_values.h"

namespace solution {

namespace {

using Lines = std::vector<std::string>;

constexpr int kDecimal = 10;
constexpr int kKeptDecimals = 2;  // answers to hundredths

// In the order of calc::StepOp; a square root has one operand.
constexpr std::array<std::string_view, 5> kStepSigns{" + ", " − ", " · ", " : ", "√"};

// The constants the formulas name, the same in every compute.
constexpr std::array<calc::UsedValue, 2> kConstants{{{"π", calc::kPi}, {"2π", calc::kTwoPi}}};

std::optional<Filled> constant(std::string_view name) {
    for (const calc::UsedValue& c : kConstants)
        if (c.name == name) return Filled{numberText(seen(c.value))};
    return std::nullopt;
}

// How the field's number stands to the exact one.
enum class FieldAgrees { Exactly, Rounded, Otherwise };

// The value of a field's digits in its base; none for a text that is no number.
std::optional<Exact> fieldValue(std::string_view text, int base) {
    if (base == kDecimal) return exactOfText(text);
    bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    Integer digits = 0;
    int places = 0;
    bool afterComma = false;
    for (char c : text) {
        if (c == ',' || c == '.') {
            afterComma = true;
            continue;
        }
        int digit = c <= '9' ? c - '0' : c - 'A' + 10;
        if (digit < 0 || digit >= base) return std::nullopt;
        digits = digits * base + digit;
        if (afterComma) ++places;
    }
    Exact value(digits, powerOf(base, places));
    return negative ? Exact(-value) : value;
}

// Rounded: within half a unit of the field's last significant place.
FieldAgrees agreement(const Exact& field, const Exact& exact, int base, int digits) {
    if (field == exact) return FieldAgrees::Exactly;
    if (field == 0) return FieldAgrees::Otherwise;
    int last = leadingPower(field, base) - digits + 1;
    Exact unit = last >= 0 ? Exact(powerOf(base, last)) : Exact(Integer(1), powerOf(base, -last));
    return abs(field - exact) * 2 <= unit ? FieldAgrees::Rounded : FieldAgrees::Otherwise;
}

// One result's working: the values worked exactly and the lookup the patterns fill from.
struct Worked {
    const Formula& formula;
    const calc::Working& working;
    const calc::WorkedResult& result;
    WorkedValues values{result.values, result.steps};

    std::optional<Filled> lookup(std::string_view name) const {
        if (name == "=") {  // "≈" where the field is not exactly the worked value
            std::optional<Exact> field = fieldValue(result.text, formula.base);
            const Shown* last = values.last();
            return Filled{result.text, !field || !last || last->rounded || *field != last->value};
        }
        if (name == "op") {
            if (!working.op) return std::nullopt;
            return Filled{std::string(calc::signOf(*working.op))};
        }
        if (const Shown* shown = values.find(name))
            return Filled{numberText(shown->value), shown->rounded};
        return constant(name);
    }
    std::string fill(std::string_view pattern) const {
        return filled(pattern, [this](std::string_view name) { return lookup(name); });
    }
};

std::string subscriptOf(int base) {
    return base == kDecimal ? "" : subscript(base);
}

// Where the number is written without an exponent and has more than two decimals.
bool keepsHundredths(const Exact& value) {
    if (numberText(value, Place::Alone).find('E') != std::string::npos) return false;
    return roundedDecimals(value, kKeptDecimals) != value;
}

std::string answerLine(const Worked& worked, const Shown& last, const std::string& digits) {
    std::string named = worked.fill(std::string(worked.formula.answer) + " ");
    named.pop_back();  // the operands keep their brackets: the line goes on
    std::string value = named + (last.rounded ? " ≈ " : " = ") + digits;
    if (worked.formula.base == kDecimal && keepsHundredths(last.value)) {
        std::string hundredths =
            numberText(roundedDecimals(last.value, kKeptDecimals), Place::Alone);
        value = last.rounded ? named + " ≈ " + hundredths : value + " ≈ " + hundredths;
        value = say(words::kToHundredths, {value});
    }
    return say(words::kAnswer, {breakingAtSigns(value)});
}

// The note where the field shows the number otherwise than the working: rounded to its digits,
// or different in a digit it shows.
void addFieldNote(Lines& lines, const Worked& worked, const Shown& last) {
    int base = worked.formula.base;
    std::optional<Exact> field = fieldValue(worked.result.text, base);
    if (!field) return;
    int digits = base == kDecimal ? kFieldDigits : fieldDigitsOf(base);
    FieldAgrees agrees = agreement(*field, last.value, base, digits);
    std::string fieldText = base == kDecimal
                                ? fieldNumber(calc::valueOf(worked.result.text), Place::Alone)
                                : worked.result.text + subscript(base);
    if (agrees == FieldAgrees::Exactly) return;
    if (agrees == FieldAgrees::Rounded && !last.rounded) {
        std::string exact =
            numberText(last.value, Place::Alone) + (base == kDecimal ? "" : subscript(kDecimal));
        lines.push_back(say(words::kFieldRounds,
                            {breakingAtSigns(exact + " ≈ " + fieldText), std::to_string(digits)}));
    } else if (*field == 0) {
        lines.emplace_back(words::kFieldVanished);
    } else {
        lines.push_back(say(words::kFieldDiffers, {fieldText}));
    }
}

void addWorked(Lines& lines, const Worked& worked) {
    std::string steps = worked.fill(worked.formula.steps);
    for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1) {
        end = steps.find('\n', at);
        lines.push_back(breakingAtSigns(steps.substr(at, end - at)));
    }
    bool rounded = false;
    for (const Shown& step : worked.values.steps()) {
        rounded = rounded || step.rounded;
        if (!step.vanished) continue;
        std::string said = say(words::kVanished, {numberText(step.value, Place::Alone)});
        if (lines.back() != said) lines.push_back(said);  // a² and b² alike: said once
    }
    if (rounded) lines.push_back(say(words::kRoundedSteps, {std::to_string(kFieldDigits)}));
    const Shown* last = worked.values.last();
    if (!last) return;
    std::string digits = numberText(last->value, Place::Alone);
    if (worked.formula.base != kDecimal) {
        Conversion conversion = converted(last->value, worked.formula.base);
        lines.insert(lines.end(), conversion.lines.begin(), conversion.lines.end());
        digits = digitsText(conversion.digits) + subscript(worked.formula.base);
    }
    addFieldNote(lines, worked, *last);
    Shown answer = *last;
    answer.rounded = answer.rounded || digits.ends_with("…" + subscriptOf(worked.formula.base));
    lines.push_back(answerLine(worked, answer, digits));
}

std::string stepText(const calc::Step& step, const WorkedValues& values) {
    const std::string_view sign = kStepSigns.at(static_cast<std::size_t>(step.op));
    std::string a = numberText(values.operand(step.a).value);
    if (step.op == calc::StepOp::SquareRoot) return std::string(sign) + a;
    return a.append(sign).append(numberText(values.operand(step.b).value));
}

// The steps done before the fault, one a line, the failing one saying what went wrong; where no
// step failed, a number could not be read, and the error's message says which.
void addFailed(Lines& lines, const calc::Working& working) {
    WorkedValues values({}, working.pending);
    for (std::size_t i = 0; i < working.pending.size(); ++i) {
        const calc::Step& step = working.pending[i];
        if (!step.fault) {
            const Shown& shown = values.steps()[i];
            std::string sign = shown.rounded ? " ≈ " : " = ";
            lines.push_back(breakingAtSigns(stepText(step, values) + sign +
                                            numberText(shown.value, Place::Alone)));
            continue;
        }
        lines.push_back(breakingAtSigns(stepText(step, values)) + " — " +
                        std::string(calc::stepFaultFor(*step.fault)) + ".");
        lines.emplace_back(words::kNotComputed);
        return;
    }
    lines.push_back(working.faultMessage);
    lines.emplace_back(words::kNotComputed);
}

// "a = 3, b = 4" from the first numbers of those names the compute used.
std::optional<std::string> givenValues(std::string_view names, const calc::Working& working) {
    std::string text;
    for (std::size_t at = 0, end = 0; end != std::string_view::npos; at = end + 2) {
        end = names.find(", ", at);
        std::string_view name = names.substr(at, end - at);
        std::optional<double> value;
        for (const calc::WorkedResult& result : working.results)
            for (const calc::UsedValue& used : result.values)
                if (!value && used.name == name) value = used.value;
        for (const calc::Step& step : working.pending)
            for (const calc::UsedValue& used : {step.a, step.b})
                if (!value && used.name == name) value = used.value;
        if (!value) return std::nullopt;
        if (!text.empty()) text += ", ";
        text.append(name).append(" = ").append(fieldNumber(*value, Place::Alone));
    }
    return text;
}

void addGiven(Lines& lines, const Task& task, const calc::Working& working) {
    if (task.given.empty()) return;
    std::optional<std::string> given = givenValues(task.given, working);
    if (!given) return;
    std::string sought;
    for (const Task::Result& result : task.results)
        sought.append(sought.empty() ? "" : ", ").append(result.formula->answer);
    lines.push_back(say(words::kGiven, {*given, sought}));
    lines.emplace_back();
}

std::string joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append(1, '\n');
    if (!text.empty()) text.pop_back();
    return text;
}

}  // namespace

std::string generalOf(const Formula& formula) {
    return filled(formula.general, constant);
}

std::string workedLine(const Formula& formula, const calc::Working& working,
                       const calc::WorkedResult& result) {
    return Worked{formula, working, result}.fill(formula.worked);
}

std::string solutionText(const Task& task, const calc::Working* working) {
    Lines lines;
    bool failed = false;
    if (working) addGiven(lines, task, *working);
    bool first = true;
    for (const Task::Result& field : task.results) {
        if (working && !first) lines.emplace_back();
        first = false;
        lines.push_back(generalOf(*field.formula));
        if (!working) continue;
        if (const calc::WorkedResult* result = working->find(field.field)) {
            addWorked(lines, Worked{*field.formula, *working, *result});
        } else if (!failed && working->fault) {
            addFailed(lines, *working);
            failed = true;
        } else {
            lines.emplace_back(words::kNotComputed);
        }
    }
    if (!working) {
        lines.emplace_back();
        lines.emplace_back(task.prompt);
    }
    return joined(lines);
}

}  // namespace solution
