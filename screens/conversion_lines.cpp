#include "conversion_lines.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "calc/base_conversion.h"
#include "calc/conversions.h"

namespace screens {

namespace {

// Every word of the working, in one place; "{}" takes the next value in turn.
namespace words {
constexpr std::string_view kNotFinite = "{} нельзя записать цифрами.";
constexpr std::string_view kRounded =
    "Поле показывает не больше {} значащих цифр, последняя из них округлена; ниже переводим "
    "округлённое число.";
constexpr std::string_view kIntegerZero = "Целая часть: 0.";
constexpr std::string_view kDivide = "Целую часть делим на {}:";
constexpr std::string_view kDivision = "{} : {} = {}, остаток {}";
constexpr std::string_view kRestRemainders = "Остальные остатки снизу вверх: {}";
constexpr std::string_view kReadRemainders = "Читаем остатки снизу вверх: {}";
constexpr std::string_view kMultiply = "Дробную часть умножаем на {}:";
constexpr std::string_view kMultiplication = "{} · {} = {}";
constexpr std::string_view kDigitOfProduct = "{}, целая часть {}";
constexpr std::string_view kRestDigits = "Остальные цифры: {}";
constexpr std::string_view kReadDigits = "Читаем целые части сверху вниз: {}";
constexpr std::string_view kDigitAboveNine = "{} ({})";
constexpr std::string_view kCut = "…";
constexpr std::string_view kResult = "{}₁₀ {} {}{}";
constexpr std::string_view kCheck = "Проверка: {} {} {}";
constexpr std::string_view kSign = "Число отрицательное, знак сохраняется: -{}₁₀ {} -{}{}";
}  // namespace words

constexpr std::size_t kMostSteps = 20;  // a ladder's lines before the rest is given at once
constexpr std::size_t kMostTerms = 6;   // a check's terms before the middle ones are left out
constexpr std::size_t kTermsBeforeCut = 3;

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    auto value = values.begin();
    for (std::size_t at = 0;;) {
        std::size_t mark = pattern.find("{}", at);
        text.append(pattern.substr(at, mark - at));
        if (mark == std::string_view::npos) return text;
        if (value != values.end()) text.append(*value++);
        at = mark + 2;
    }
}

// Only 2^1024, the largest double rounded up to the field's digits, lies past the range; to the
// screen's 15 digits it reads as the largest double does.
std::string numberText(double value) {
    return calc::textOf(std::isinf(value) ? DBL_MAX : value);
}

std::string_view equalsOrAbout(bool exact) {
    return exact ? "=" : "≈";
}

// The sum of the check equals the shown number; its text is "=" only where it reads back as it.
bool writtenExactly(double value) {
    return std::isfinite(value) && calc::valueOf(calc::textOf(value)) == value;
}

std::string withDigit(int digit, std::string_view text) {
    if (digit < 10) return std::string(text);
    return fill(words::kDigitAboveNine, {text, std::string(1, "0123456789ABCDEF"[digit])});
}

std::string scripted(int number, const std::array<std::string_view, 10>& glyphs,
                     std::string_view minus) {
    std::string digits = std::to_string(std::abs(number));
    std::string text = number < 0 ? std::string(minus) : "";
    for (char c : digits) text += glyphs[static_cast<std::size_t>(c - '0')];
    return text;
}
std::string subscript(int number) {
    return scripted(number, {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"}, "₋");
}
std::string superscript(int number) {
    return scripted(number, {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"}, "⁻");
}

std::string digitsText(const calc::PositionalDigits& digits) {
    std::string text = digits.integer;
    if (!digits.fraction.empty()) text.append(1, calc::decimalSeparator()).append(digits.fraction);
    return text;
}

// A ladder's lines, at most kMostSteps of them; what the steps left out would give, at once.
template <typename Step, typename LineOf>
void addSteps(const std::vector<Step>& steps, LineOf lineOf, std::string_view restWords,
              const std::string& rest, std::vector<std::string>& lines) {
    std::size_t shown = std::min(steps.size(), kMostSteps);
    for (std::size_t i = 0; i < shown; ++i) lines.push_back(lineOf(steps[i]));
    if (shown == steps.size()) return;
    lines.emplace_back(words::kCut);
    lines.push_back(fill(restWords, {rest}));
}

void addDivisions(const calc::BaseConversion& conversion, std::vector<std::string>& lines) {
    if (conversion.divisions.empty()) {
        lines.emplace_back(words::kIntegerZero);
        return;
    }
    const std::string& integer = conversion.digits.integer;
    std::string base = std::to_string(conversion.digits.base);
    lines.push_back(fill(words::kDivide, {base}));
    auto lineOf = [&](const calc::DivisionStep& step) {
        std::string remainder = withDigit(step.remainder, std::to_string(step.remainder));
        return fill(words::kDivision,
                    {numberText(step.dividend), base, numberText(step.quotient), remainder});
    };
    // The first remainders are the last digits: the rest are the leading ones.
    std::string rest = integer.substr(0, integer.size() - std::min(integer.size(), kMostSteps));
    addSteps(conversion.divisions, lineOf, words::kRestRemainders, rest, lines);
    lines.push_back(fill(words::kReadRemainders, {integer}));
}

void addMultiplications(const calc::BaseConversion& conversion, std::vector<std::string>& lines) {
    const std::string& fraction = conversion.digits.fraction;
    if (fraction.empty()) return;
    std::string base = std::to_string(conversion.digits.base);
    lines.push_back(fill(words::kMultiply, {base}));
    auto lineOf = [&](const calc::MultiplicationStep& step) {
        std::string product = calc::textOf(step.product);
        if (step.digit < 10 || step.product == step.digit) {
            product = withDigit(step.digit, product);
        } else {
            product = fill(words::kDigitOfProduct,
                           {product, withDigit(step.digit, std::to_string(step.digit))});
        }
        return fill(words::kMultiplication, {calc::textOf(step.fraction), base, product});
    };
    std::string rest = fraction.substr(std::min(fraction.size(), kMostSteps));
    addSteps(conversion.multiplications, lineOf, words::kRestDigits, rest, lines);
    lines.push_back(
        fill(words::kReadDigits, {std::string("0") + calc::decimalSeparator() + fraction}));
}

// The shown number as the sum of its digits' values, zero digits left out; a long one keeps its
// first terms and its last.
std::string expandedForm(const calc::PositionalDigits& digits) {
    std::vector<std::string> terms;
    std::string base = std::to_string(digits.base);
    auto addTerm = [&](char digit, int power) {
        if (digit == '0') return;
        terms.push_back(std::to_string(calc::digitValue(digit)) + "·" + base + superscript(power));
    };
    int power = static_cast<int>(digits.integer.size());
    for (char digit : digits.integer) addTerm(digit, --power);
    for (char digit : digits.fraction) addTerm(digit, --power);
    if (terms.empty()) return "0·" + base + superscript(0);
    if (terms.size() > kMostTerms) {
        terms.erase(terms.begin() + kTermsBeforeCut, terms.end() - 1);
        terms.insert(terms.end() - 1, std::string(words::kCut));
    }
    std::string text = terms.front();
    for (std::size_t i = 1; i < terms.size(); ++i) text += " + " + terms[i];
    return text;
}

}  // namespace

std::vector<std::string> conversionLines(double value, int base) {
    if (!std::isfinite(value)) return {fill(words::kNotFinite, {calc::textOf(value)})};
    calc::BaseConversion conversion = calc::baseConversion(value, base);
    const calc::PositionalDigits& digits = conversion.digits;
    std::vector<std::string> lines;
    if (digits.rounded)
        lines.push_back(fill(words::kRounded, {std::to_string(digits.significantDigits)}));
    addDivisions(conversion, lines);
    addMultiplications(conversion, lines);
    std::string decimal = calc::textOf(std::fabs(value));
    std::string written = digitsText(digits);
    std::string sub = subscript(base);
    std::string_view relation = equalsOrAbout(!digits.rounded);
    lines.push_back(fill(words::kResult, {decimal, relation, written, sub}));
    lines.push_back(fill(words::kCheck,
                         {expandedForm(digits), equalsOrAbout(writtenExactly(conversion.magnitude)),
                          numberText(conversion.magnitude)}));
    if (digits.negative) lines.push_back(fill(words::kSign, {decimal, relation, written, sub}));
    return lines;
}

}  // namespace screens
