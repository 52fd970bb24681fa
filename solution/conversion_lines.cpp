#include "solution/conversion_lines.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <string_view>

#include "calc/number_form.h"
#include "calc/working.h"
#include "solution/number_text.h"
#include "solution/pattern.h"
#include "solution/words.h"

namespace solution {

namespace {

using boost::multiprecision::denominator;
using boost::multiprecision::numerator;

constexpr std::size_t kMostSteps = 20;      // a ladder's lines before the rest is given at once
constexpr std::size_t kMostTerms = 6;       // a check's terms before the middle ones are left out,
constexpr std::size_t kTermsBeforeCut = 3;  // and only the powers are written
constexpr std::size_t kRouteDigits = 24;    // the route through binary for numbers this long
constexpr std::string_view kCut = "…";

char digitChar(int value) {
    return calc::kDigits[static_cast<std::size_t>(value)];
}

// "15 (F)" where a digit is written with a letter.
std::string withLetter(std::string text, int digit) {
    if (digit < 10) return text;
    return text + " (" + digitChar(digit) + ")";
}

void addShown(std::vector<std::string>& lines, std::vector<std::string>& steps,
              std::string_view restWords, std::string_view rest) {
    for (std::size_t i = 0; i < std::min(steps.size(), kMostSteps); ++i)
        lines.push_back(breakingAtSigns(steps[i]));
    if (steps.size() <= kMostSteps) return;
    lines.emplace_back(kCut);
    lines.push_back(wordsWith(restWords, {rest}));
}

std::string addDivisions(const Integer& whole, int base, std::vector<std::string>& lines) {
    if (whole == 0) {
        lines.emplace_back(words::kIntegerZero);
        return "0";
    }
    std::string b = std::to_string(base);
    lines.push_back(wordsWith(words::kDivide, {b}));
    std::vector<std::string> steps;
    std::string digits;
    for (Integer n = whole; n != 0; n /= base) {
        int remainder = static_cast<int>(Integer(n % base));
        digits.insert(digits.begin(), digitChar(remainder));
        if (steps.size() > kMostSteps) continue;  // not shown
        steps.push_back(wordsWith(
            words::kDivision,
            {numberText(Exact(n), Place::Alone), b, numberText(Exact(n / base), Place::Alone),
             withLetter(std::to_string(remainder), remainder)}));
    }
    std::size_t shownDigits = std::min(digits.size(), kMostSteps);
    addShown(lines, steps, words::kRestRemainders, digits.substr(0, digits.size() - shownDigits));
    lines.push_back(wordsWith(words::kReadRemainders, {digits}));
    return digits;
}

// The fraction is kept as remainder : denominator, so each step is one multiplication and one
// division of whole numbers; a fraction comes back when its remainder does.
void addMultiplications(const Exact& start, int base, int digitsLeft, BaseDigits& digits,
                        std::vector<std::string>& lines) {
    if (start == 0) return;
    std::string b = std::to_string(base);
    lines.push_back(wordsWith(words::kMultiply, {b}));
    const Integer& whole = denominator(start);
    Integer remainder = numerator(start);
    std::map<Integer, std::size_t> seenAt;
    std::vector<std::string> steps;
    bool significant = digits.integer != "0";
    for (;;) {
        seenAt.emplace(remainder, digits.fraction.size());
        Integer scaled = remainder * base;
        int digit = static_cast<int>(Integer(scaled / whole));
        if (steps.size() <= kMostSteps) {  // the lines not shown are not written
            Exact fraction(remainder, whole), product(scaled, whole);
            std::string productText = numberText(product, Place::Alone);
            if (digit >= 10 && product != digit)  // "15,5, целая часть 15 (F)"
                productText = wordsWith(words::kDigitOfProduct,
                                        {productText, withLetter(std::to_string(digit), digit)});
            else
                productText = withLetter(productText, digit);
            steps.push_back(
                wordsWith(words::kMultiplication, {numberText(fraction), b, productText}));
        }
        digits.fraction += digitChar(digit);
        significant = significant || digit != 0;
        if (significant) --digitsLeft;
        remainder = scaled % whole;
        if (remainder == 0) break;
        if (auto again = seenAt.find(remainder); again != seenAt.end()) {
            digits.period = digits.fraction.substr(again->second);
            digits.fraction.resize(again->second);
            break;
        }
        if (digitsLeft <= 0) {
            digits.cut = true;
            break;
        }
    }
    std::string all = digits.fraction + digits.period;
    addShown(lines, steps, words::kRestDigits, all.substr(std::min(all.size(), kMostSteps)));
    BaseDigits read = digits;
    read.integer = "0";
    read.negative = false;
    lines.push_back(wordsWith(words::kReadDigits, {digitsText(read)}));
}

std::string groups(std::string_view bits, int bitsPerDigit) {
    const auto width = static_cast<std::size_t>(bitsPerDigit);
    std::string text;
    for (std::size_t i = 0; i < bits.size(); i += width) {
        if (i > 0) text += kNoBreakSpace;
        text += bits.substr(i, width);
    }
    return text;
}

// The shortest repeating block of a period.
std::string shortestPeriod(const std::string& period) {
    for (std::size_t n = 1; n < period.size(); ++n) {
        if (period.size() % n != 0) continue;
        bool repeats = true;
        for (std::size_t i = n; i < period.size() && repeats; ++i)
            repeats = period[i] == period[i - n];
        if (repeats) return period.substr(0, n);
    }
    return period;
}

struct Bits {
    std::string integer, fraction, period;
};

std::string bitsText(const Bits& bits, int width) {
    std::string integer =
        bits.integer.find('1') == std::string::npos ? "0" : groups(bits.integer, width);
    std::string fraction = groups(bits.fraction, width);
    if (!bits.period.empty()) fraction += "(" + groups(bits.period, width) + ")";
    return calc::plainForm(false, integer, fraction);
}

// The same bits grouped `bitsPerDigit` a digit from the comma, both ways.
Bits regrouped(Bits bits, int bitsPerDigit) {
    const auto width = static_cast<std::size_t>(bitsPerDigit);
    bits.integer.erase(0, std::min(bits.integer.find('1'), bits.integer.size()));
    if (!bits.integer.empty())
        bits.integer.insert(0, (width - bits.integer.size() % width) % width, '0');
    if (bits.period.empty()) {
        bits.fraction.append((width - bits.fraction.size() % width) % width, '0');
        while (bits.fraction.size() > width && bits.fraction.ends_with(std::string(width, '0')))
            bits.fraction.resize(bits.fraction.size() - width);  // no group of zeros at the end
        return bits;
    }
    while (bits.fraction.size() % width != 0) {  // the period's first bit moves before it
        bits.fraction += bits.period.front();
        std::rotate(bits.period.begin(), bits.period.begin() + 1, bits.period.end());
    }
    std::string period = bits.period;
    while (period.size() % width != 0) period += bits.period;
    bits.period = period;
    return bits;
}

// "377₈ = 011 111 111₂ = 1111 1111₂ = FF₁₆": triads to tetrads, or tetrads to triads.
std::string routeLine(const BaseDigits& digits, int base) {
    const int otherBase = base == 8 ? 16 : 8;
    const int width = calc::bitsPerDigitOf(base), other = calc::bitsPerDigitOf(otherBase);
    Bits bits{calc::bitsOf(digits.integer, width), calc::bitsOf(digits.fraction, width),
              calc::bitsOf(digits.period, width)};
    Bits again = regrouped(bits, other);
    BaseDigits result;
    result.integer = again.integer.empty() ? "0" : calc::digitsOfBits(again.integer, other);
    result.fraction = calc::digitsOfBits(again.fraction, other);
    std::string period = shortestPeriod(calc::digitsOfBits(again.period, other));
    if (!period.empty() && period.find_first_not_of('0') == std::string::npos) period.clear();
    // The period starts as early as it can: 0,06(3146) is 0,0(6314).
    while (!period.empty() && !result.fraction.empty() && result.fraction.back() == period.back()) {
        result.fraction.pop_back();
        std::rotate(period.rbegin(), period.rbegin() + 1, period.rend());
    }
    result.period = period;
    if (!period.empty()) again.fraction = calc::bitsOf(result.fraction, other);
    again.period = calc::bitsOf(period, other);
    if (result.period.empty())
        while (!result.fraction.empty() && result.fraction.back() == '0')
            result.fraction.pop_back();
    BaseDigits plain = digits;
    plain.negative = false;
    plain.cut = false;
    std::string two = subscript(2);
    return breakingAtSigns(digitsText(plain) + subscript(base) + " = " + bitsText(bits, width) +
                           two + " = " + bitsText(again, other) + two + " = " + digitsText(result) +
                           subscript(otherBase));
}

// "3·8² + 7·8¹ = 3·64 + 7·8 = 192 + 56 = 248": the digits' values summed, exactly; where the
// digits were cut or the period left off, "≈" the number converted.
std::string checkLine(const BaseDigits& digits, int base, const Exact& magnitude, int fieldDigits) {
    std::string fraction = digits.fraction;
    if (!digits.period.empty())  // as many of the period's digits as the field shows
        while (static_cast<int>(digits.integer.size() + fraction.size()) < fieldDigits + 1 ||
               fraction.size() < digits.fraction.size() + digits.period.size())
            fraction += digits.period;
    struct Term {
        int digit, power;
    };
    std::vector<Term> terms;
    int power = static_cast<int>(digits.integer.size());
    for (char c : digits.integer + fraction) {  // zero digits add nothing
        --power;
        if (calc::digitValue(c) != 0) terms.push_back({calc::digitValue(c), power});
    }
    const Exact sum =
        exactOfText(calc::plainForm(false, digits.integer, fraction), base).value_or(Exact(0));
    std::string b = std::to_string(base);
    const std::string_view times = calc::signOf(calc::StepOp::Multiply);
    std::vector<std::string> powers, values, products;
    for (const Term& t : terms) {
        powers.push_back(std::to_string(t.digit).append(times) + b + superscript(t.power));
        if (terms.size() > kMostTerms) continue;  // only the powers are written
        Exact unit = exactPower(base, t.power);
        values.push_back(std::to_string(t.digit).append(times) + numberText(unit));
        products.push_back(numberText(unit * t.digit));
    }
    if (terms.empty()) powers.push_back(std::string("0").append(times) + b + superscript(0));
    auto sumText = [](std::vector<std::string> parts) {
        if (parts.size() > kMostTerms) {
            parts.erase(parts.begin() + kTermsBeforeCut, parts.end() - 1);
            parts.insert(parts.end() - 1, std::string(kCut));
        }
        std::string text = parts.front();
        for (std::size_t i = 1; i < parts.size(); ++i) text += " + " + parts[i];
        return text;
    };
    std::string chain = sumText(powers);
    if (terms.size() > 1 && terms.size() <= kMostTerms)
        chain += " = " + sumText(values) + " = " + sumText(products);
    std::string sign = sum == magnitude ? " = " : " ≈ ";
    return breakingAtSigns(
        wordsWith(words::kCheck, {chain + sign + numberText(magnitude, Place::Alone)}));
}

}  // namespace

std::string digitsText(const BaseDigits& digits) {
    std::string fraction = digits.fraction;
    if (!digits.period.empty()) fraction += "(" + digits.period + ")";
    if (digits.cut) fraction += kCut;
    return calc::plainForm(digits.negative, digits.integer, fraction);
}

Conversion converted(const Exact& x, int base) {
    Conversion conversion;
    BaseDigits& digits = conversion.digits;
    std::vector<std::string>& lines = conversion.lines;
    const int fieldDigits = calc::fieldDigitsOf(base);
    Exact magnitude = abs(x);
    Integer whole = numerator(magnitude) / denominator(magnitude);
    digits.negative = x < 0;
    digits.integer = addDivisions(whole, base, lines);
    int left =
        std::max(1, fieldDigits - (whole == 0 ? 0 : static_cast<int>(digits.integer.size())));
    addMultiplications(magnitude - Exact(whole), base, left, digits, lines);
    BaseDigits unsigned_ = digits;
    unsigned_.negative = false;
    std::string decimal = numberText(magnitude, Place::Alone);
    std::string written = digitsText(unsigned_) + subscript(base);
    std::string_view relation = digits.cut ? " ≈ " : " = ";
    lines.push_back(breakingAtSigns(decimal + subscript(10) + std::string(relation) + written));
    std::size_t length = digits.integer.size() + digits.fraction.size() + digits.period.size();
    if (x != 0 && length <= kRouteDigits && !digits.cut) lines.push_back(routeLine(digits, base));
    lines.push_back(checkLine(digits, base, magnitude, fieldDigits));
    if (digits.negative)
        lines.push_back(
            wordsWith(words::kSign, {breakingAtSigns("-" + decimal + subscript(10) +
                                                     std::string(relation) + "-" + written)}));
    return conversion;
}

}  // namespace solution
