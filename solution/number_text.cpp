#include "solution/number_text.h"

#include <array>
#include <cstdlib>

#include "calc/conversions.h"
#include "calc/number_form.h"

namespace solution {

namespace {

constexpr int kLongestPlain = 30;  // a number longer than a field's is clearer in full below 1E+30
constexpr std::size_t kGroupFrom = 5;       // integer digits from which they are grouped
constexpr std::size_t kFewDecimals = 2;     // a number with no more is short at any length
constexpr std::size_t kFractionDigits = 4;  // a fraction's numerator and denominator at most

std::string bracketed(std::string text, bool needed) {
    if (!needed) return text;
    text.insert(text.begin(), '(');
    text.push_back(')');
    return text;
}

// A finite decimal's significant digits and the power of ten of the first.
struct Significant {
    std::string digits;
    int power = 0;
};
Significant significantOf(const Decimal& decimal) {
    std::string all = decimal.integer + decimal.fraction;
    std::size_t first = all.find_first_not_of('0'), last = all.find_last_not_of('0');
    if (first == std::string::npos) return {"0", 0};
    return {all.substr(first, last - first + 1),
            static_cast<int>(decimal.integer.size()) - 1 - static_cast<int>(first)};
}

// Digits grouped by three from the right, with no-break spaces, where there are five or more.
std::string groupedByThree(std::string_view digits) {
    if (digits.size() < kGroupFrom) return std::string(digits);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += kNoBreakSpace;
        text += digits[i];
    }
    return text;
}

std::string plainForm(const Decimal& decimal) {
    std::string fraction = decimal.fraction;
    if (!decimal.period.empty()) fraction.append("(").append(decimal.period).append(")");
    return calc::plainForm(decimal.negative, groupedByThree(decimal.integer), fraction);
}

// As a field writes it; but a number with more digits than a field's is written in full up to
// 1E+30.
bool inExponentForm(const Significant& significant) {
    if (significant.digits == "0") return false;
    int power = significant.power;
    if (calc::isWrittenPlain(power)) return false;
    if (power < 0) return true;
    return power >= kLongestPlain ||
           static_cast<int>(significant.digits.size()) <= calc::kDecimalDigits;
}

std::string scripted(int number, const std::array<std::string_view, 10>& glyphs,
                     std::string_view minus) {
    std::string text = number < 0 ? std::string(minus) : "";
    for (char c : std::to_string(std::abs(number)))
        text += glyphs[static_cast<std::size_t>(c - '0')];
    return text;
}

}  // namespace

bool isShort(const Exact& x, int mostDigits) {
    std::optional<Decimal> decimal = decimalOf(x, 0);
    if (!decimal) return false;
    Significant significant = significantOf(*decimal);
    if (static_cast<int>(significant.digits.size()) <= mostDigits) return true;
    return significant.power < calc::kExponentFormFrom && decimal->fraction.size() <= kFewDecimals;
}

std::optional<std::string> shortFraction(const Exact& x) {
    using boost::multiprecision::denominator;
    using boost::multiprecision::numerator;
    std::string num = digitsOf(numerator(x)), den = digitsOf(denominator(x));
    if (num.size() - (x < 0 ? 1 : 0) > kFractionDigits || den.size() > kFractionDigits)
        return std::nullopt;
    return num + "/" + den;
}

std::string numberText(const Exact& x, Place place) {
    const bool operand = place == Place::Operand;
    std::optional<Decimal> decimal = decimalOf(x, kLongestPeriod);
    if (!decimal) {
        using boost::multiprecision::denominator;
        using boost::multiprecision::numerator;
        return bracketed(digitsOf(numerator(x)) + "/" + digitsOf(denominator(x)), operand);
    }
    if (decimal->period.empty()) {
        Significant significant = significantOf(*decimal);
        if (inExponentForm(significant))
            return bracketed(
                calc::exponentForm(decimal->negative, significant.digits, significant.power),
                operand);
    }
    return bracketed(plainForm(*decimal), operand && decimal->negative);
}

std::string fieldNumber(double value, Place place) {
    std::string text = calc::textOf(value);
    std::optional<Exact> exact = exactOfText(text);
    return exact ? numberText(*exact, place) : text;
}

std::string breakingAtSigns(std::string_view line) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != ' ') {
            text += line[i];
            continue;
        }
        std::string_view before = line.substr(0, i), after = line.substr(i + 1);
        bool atSign = before.ends_with("=") || before.ends_with("≈") || after.starts_with("=") ||
                      after.starts_with("≈");
        text += atSign ? std::string(" ") : std::string(kNoBreakSpace);
    }
    return text;
}

std::string subscript(int number) {
    return scripted(number, {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"}, "₋");
}
std::string superscript(int number) {
    return scripted(number, {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"}, "⁻");
}

std::string unbracketed(std::string text) {
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') return text;
    int depth = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
        if (depth == 0) return text;  // the first bracket closes before the end
    }
    return text.substr(1, text.size() - 2);
}

}  // namespace solution
