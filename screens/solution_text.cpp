#include "screens/solution_text.h"

#include <algorithm>
#include <array>
#include <vector>

#include "calc/conversions.h"
#include "calc/messages.h"
#include "screens/conversion_lines.h"
#include "screens/formulas.h"

namespace screens {

namespace {

using Lines = std::vector<std::string>;

constexpr std::string_view kAnswer = "Ответ: ";
constexpr std::string_view kNotComputed = "Не вычислено.";
constexpr int kDecimal = 10;
constexpr std::size_t kKeptDecimals = 2;

// In the order of calc::StepOp; a square root has one operand.
constexpr std::array<std::string_view, 5> kStepSigns{" + ", " − ", " · ", " : ", "√"};

std::string_view subscriptOf(int base) {
    return base == 8 ? "₈" : base == 16 ? "₁₆" : "";
}

std::string stepText(const calc::Step& step) {
    const std::string_view sign = kStepSigns.at(static_cast<std::size_t>(step.op));
    if (step.op == calc::StepOp::SquareRoot) return std::string(sign) + numberText(step.a);
    return numberText(step.a).append(sign).append(numberText(step.b));
}

std::string answerLine(const Formula& formula, const calc::Working& working,
                       const calc::WorkedResult& result) {
    const std::string named = filledIn(formula.answer, working, result);
    std::string line = std::string(kAnswer) + named + " = " + result.text;
    line += subscriptOf(formula.base);
    if (formula.base != kDecimal) return line;
    if (auto rounded = roundedToHundredths(result.text)) line += "; " + named + " ≈ " + *rounded;
    return line;
}

void addWorked(Lines& lines, const Formula& formula, const calc::Working& working,
               const calc::WorkedResult& result) {
    lines.push_back(filledIn(formula.steps, working, result));
    if (formula.base != kDecimal && !result.steps.empty()) {
        for (std::string& line : conversionLines(result.steps.back().result, formula.base))
            lines.push_back(std::move(line));
    }
    lines.push_back(answerLine(formula, working, result));
}

// The steps done before the fault, one a line, the failing one saying what went wrong; where no
// step failed, a number could not be read, and the error's message says which.
void addFailed(Lines& lines, const calc::Working& working) {
    for (const calc::Step& step : working.pending) {
        if (!step.fault) {
            lines.push_back(stepText(step) + " = " + calc::textOf(step.result));
            continue;
        }
        lines.push_back(stepText(step) + " — " + std::string(calc::stepFaultFor(*step.fault)) +
                        ".");
        lines.emplace_back(kNotComputed);
        return;
    }
    lines.push_back(working.faultMessage);
    lines.emplace_back(kNotComputed);
}

std::string joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append(1, '\n');
    if (!text.empty()) text.pop_back();
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Adds one in the last place of a text of digits (a separator and a sign aside).
void carryOne(std::string& text) {
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (!isDigit(*it)) continue;
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    text.insert(text.front() == '-' ? 1 : 0, 1, '1');
}

}  // namespace

std::optional<std::string> roundedToHundredths(std::string_view text) {
    const std::size_t separator = text.find_first_of(".,");
    if (text.find_first_of("Ee") != std::string_view::npos || separator == std::string_view::npos ||
        text.size() - separator - 1 <= kKeptDecimals)
        return std::nullopt;
    std::string rounded(text.substr(0, separator + 1 + kKeptDecimals));
    if (text[separator + 1 + kKeptDecimals] >= '5') carryOne(rounded);
    if (rounded.front() == '-' &&
        std::ranges::none_of(rounded, [](char c) { return isDigit(c) && c != '0'; }))
        rounded.erase(0, 1);  // no "-0,00"
    return rounded;
}

std::string solutionText(ScreenId screen, const calc::Working* working) {
    Lines lines;
    bool failed = false;
    for (const ControlLayout* field : resultFields(screen)) {
        if (working && !lines.empty()) lines.emplace_back();
        lines.push_back(generalOf(*field->formula));
        if (!working) continue;
        if (const calc::WorkedResult* result = working->find(field->name)) {
            addWorked(lines, *field->formula, *working, *result);
        } else if (!failed && working->fault) {
            addFailed(lines, *working);
            failed = true;
        } else {
            lines.emplace_back(kNotComputed);
        }
    }
    if (!working) {
        lines.emplace_back();
        lines.emplace_back(promptOf(screen));
    }
    return joined(lines);
}

}  // namespace screens
