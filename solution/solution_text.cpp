#include "solution/solution_text.h"

#include <algorithm>
#include <initializer_list>

#include "calc/conversions.h"
#include "calc/geometry.h"
#include "calc/messages.h"
#include "calc/number_form.h"
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

std::optional<Filled> constant(std::string_view name) {
    for (const calc::UsedValue& c : calc::kConstants)
        if (c.name == name) return Filled{numberText(exactAsShown(c.value))};
    return std::nullopt;
}

// How the field's number stands to the exact one.
enum class FieldAgrees { Exactly, Rounded, Otherwise };

// Rounded: within half a unit of the field's last significant place.
FieldAgrees agreement(const Exact& field, const Exact& exact, int base, int digits) {
    if (field == exact) return FieldAgrees::Exactly;
    if (field == 0) return FieldAgrees::Otherwise;
    int last = leadingPower(field, base) - digits + 1;
    return abs(field - exact) * 2 <= exactPower(base, last) ? FieldAgrees::Rounded
                                                            : FieldAgrees::Otherwise;
}

// The rounding of a result's working: in the calculator to the field's digits, on the geometry
// screens as far as the answer the field gives allows.
Rounding roundingOf(const Formula& formula, const calc::Working& working,
                    const calc::WorkedResult& result) {
    Rounding rounding{working.op.has_value(), std::nullopt};
    // A field that shows 0 for a number too small for the computer gives no answer to arrive at.
    std::optional<Exact> field = exactOfText(result.text, formula.base);
    if (field && *field != 0) rounding.answer = answerOf(*field).value;
    return rounding;
}

// One result's working: the values worked as a pupil works them and the lookup the patterns
// fill from.
struct Worked {
    const Formula& formula;
    const calc::Working& working;
    const calc::WorkedResult& result;
    WorkedValues values{result.values, result.steps, roundingOf(formula, working, result)};

    std::optional<Filled> lookup(std::string_view name) const {
        if (name == "=") {  // "≈" where the field is not exactly the worked value
            std::optional<Exact> field = exactOfText(result.text, formula.base);
            const Shown* last = values.last();
            return Filled{result.text, !field || !last || last->rounded || *field != last->value};
        }
        if (name == "op") {
            if (!working.op) return std::nullopt;
            return Filled{std::string(calc::signOf(*working.op))};
        }
        if (const Shown* shown = values.find(name)) {
            std::string text = numberText(shown->value);
            if (shown->fraction.empty()) return Filled{text, shown->rounded};
            // "1 : 3 = 1/3 = 0,(3)": the "=" before the fraction is exact.
            std::string sign = shown->rounded ? " ≈ " : " = ";
            return Filled{text, false,
                          shown->fraction + sign + numberText(shown->value, Place::Alone)};
        }
        return constant(name);
    }
    std::string fill(std::string_view pattern) const {
        return filled(pattern, [this](std::string_view name) { return lookup(name); });
    }
};

// "S ≈ 19,63 (округлили до сотых)": the answer named as the working names it, "≈" where a step
// on the way was, the working's last number rounded as answers are. The working is rounded so
// that this is the field's number rounded, wherever the computer's number allows.
std::string answerLine(const Worked& worked, const Shown& last, const std::string& digits,
                       bool approximate) {
    std::string value = digits;
    if (worked.formula.base == kDecimal) {
        AnswerValue answer = answerOf(last.value);
        if (answer.value != last.value) {
            std::string rounded =
                numberText(answer.value, Place::Alone) +
                std::string(answer.significant ? words::kToSignificant : words::kToHundredths);
            value = approximate ? rounded : digits + " ≈ " + rounded;
        }
    }
    std::string line = filled(std::string(worked.formula.answer) + " = {answer}",
                              [&](std::string_view name) -> std::optional<Filled> {
                                  if (name == "answer") return Filled{value, approximate};
                                  return worked.lookup(name);
                              });
    return wordsWith(words::kAnswer, {breakingAtSigns(line)});
}

// The one note where the field shows the number otherwise than the working: to more digits, or
// a value the computer got otherwise. It gives the field's number.
std::optional<std::string> fieldNote(const Worked& worked, const Shown& last) {
    const int base = worked.formula.base;
    std::optional<Exact> field = exactOfText(worked.result.text, base);
    if (!field || *field == last.value) return std::nullopt;
    if (base != kDecimal) {
        std::string text = worked.result.text + subscript(base);
        const int digits = calc::fieldDigitsOf(base);
        if (agreement(*field, last.value, base, digits) == FieldAgrees::Rounded)
            return wordsWith(
                words::kFieldRounds,
                {std::to_string(digits), base == 8 ? words::kOctal : words::kHexadecimal, text});
        if (*field == 0) return std::string(words::kFieldVanished);
        return wordsWith(words::kFieldDiffers, {text});
    }
    std::string text = fieldNumber(calc::valueOf(worked.result.text), Place::Alone);
    const std::vector<Shown>& steps = worked.values.steps();
    for (const Shown& step : steps)
        if (step.vanished)
            return wordsWith(words::kVanished, {text, numberText(step.value, Place::Alone)});
    if (*field == 0) return std::string(words::kFieldVanished);
    if (std::any_of(steps.begin(), steps.end() - 1, [](const Shown& s) { return s.rounded; }))
        return wordsWith(words::kRoundedOnTheWay, {text});
    bool fieldRounds = last.rounded ? !worked.working.op.has_value()
                                    : agreement(*field, last.value, kDecimal,
                                                calc::kDecimalDigits) == FieldAgrees::Rounded;
    if (fieldRounds)
        return wordsWith(words::kFieldDigitsShown, {text, std::to_string(calc::kDecimalDigits)});
    return wordsWith(words::kFieldDiffers, {text});
}

void addWorked(Lines& lines, const Worked& worked) {
    const std::size_t first = lines.size();
    std::string steps = worked.fill(worked.formula.steps);
    for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1) {
        end = steps.find('\n', at);
        lines.push_back(breakingAtSigns(steps.substr(at, end - at)));
    }
    const Shown* last = worked.values.last();
    if (!last) return;
    bool approximate =
        std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end(),
                    [](const std::string& line) { return line.find("≈") != std::string::npos; });
    std::string digits = numberText(last->value, Place::Alone);
    if (worked.formula.base != kDecimal) {
        Conversion conversion = converted(last->value, worked.formula.base);
        lines.insert(lines.end(), conversion.lines.begin(), conversion.lines.end());
        approximate = approximate || conversion.digits.cut;
        digits = digitsText(conversion.digits) + subscript(worked.formula.base);
    }
    if (std::optional<std::string> note = fieldNote(worked, *last)) lines.push_back(*note);
    lines.push_back(answerLine(worked, *last, digits, approximate));
}

std::string stepText(const calc::Step& step, const WorkedValues& values) {
    const std::string_view sign = calc::signOf(step.op);
    std::string a = numberText(values.operand(step.a).value);
    if (step.op == calc::StepOp::SquareRoot) return std::string(sign) + a;  // one operand
    return a.append(" ").append(sign).append(" ").append(numberText(values.operand(step.b).value));
}

// The steps done before the fault, one a line, the failing one saying what went wrong; where no
// step failed, a number could not be read, and the error's message says which.
void addFailed(Lines& lines, const calc::Working& working) {
    WorkedValues values({}, working.pending, Rounding{working.op.has_value(), std::nullopt});
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
    lines.push_back(wordsWith(words::kGiven, {*given, sought}));
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
