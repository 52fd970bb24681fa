#include "notebook_rules.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <regex>

#include "line_checker.h"
#include "solution/exact.h"

namespace solution::testing {

namespace {

constexpr std::size_t kCopiedDigits = 8;
constexpr std::size_t kFieldDigits = 15;
constexpr std::size_t kFractionDigits = 4;
constexpr std::size_t kFewDecimals = 2;

bool has(std::string_view line, std::string_view part) {
    return line.find(part) != std::string_view::npos;
}

// The value of a decimal field; none for the calculator's octal and hexadecimal ones.
std::optional<Exact> decimalField(const calc::WorkedResult& result) {
    if (result.field.ends_with("Oct") || result.field.ends_with("Hex")) return std::nullopt;
    return exactOfText(result.text);
}

// The numbers a text may write at any length: what the pupil typed and what the fields show.
std::vector<Exact> anyLength(const calc::Working& working) {
    std::vector<Exact> values;
    auto add = [&values](double value) {
        if (std::isfinite(value)) values.push_back(exactAsShown(value));
    };
    auto addSteps = [&add](const std::vector<calc::Step>& steps) {
        for (const calc::Step& step : steps) {
            add(step.a.value);
            add(step.b.value);
        }
    };
    for (const calc::WorkedResult& result : working.results) {
        for (const calc::UsedValue& used : result.values) add(used.value);
        addSteps(result.steps);
        if (std::optional<Exact> field = decimalField(result)) values.push_back(*field);
    }
    addSteps(working.pending);
    return values;
}

// "2 947 592,27", "-0,58(3)", "1,41E-200", "7/12".
const std::regex kNumber(
    R"((-?)(\d+(?: \d{3})*)(?:[,.](\d*)(?:\((\d+)\))?)?(?:E([+-]\d+))?(?:/(\d+))?)");

std::size_t significantDigits(const std::smatch& number) {
    std::string digits = number[2].str() + number[3].str() + number[4].str();
    std::erase(digits, ' ');
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    return digits.size();
}

bool copyable(const std::smatch& number, std::size_t mostDigits) {
    if (number[6].matched)
        return number[2].length() <= static_cast<long>(kFractionDigits) &&
               number[6].length() <= static_cast<long>(kFractionDigits);
    const bool exponent = number[5].matched;
    if (!exponent && number[3].length() + number[4].length() <= static_cast<long>(kFewDecimals))
        return true;
    return significantDigits(number) <= mostDigits;
}

bool anyLengthOf(const std::smatch& number, const std::vector<Exact>& anyLength) {
    std::string text = number.str();
    std::erase(text, ' ');
    std::optional<Exact> value = exactOfText(text);
    return value && std::find(anyLength.begin(), anyLength.end(), *value) != anyLength.end();
}

// "Проверка: …", "Длина окружности: C = 2πr, π ≈ 3,14": words before a colon, no working.
bool labelled(std::string_view line) {
    std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos) return false;
    std::string_view label = line.substr(0, colon);
    return label.find_first_of("0123456789=") == std::string_view::npos && !has(label, "≈");
}

bool bracketsPair(std::string_view line) {
    int depth = 0;
    for (char c : line) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0) return false;
    }
    return depth == 0;
}

// The field's number rounded as an answer is: to hundredths, or to three significant digits
// below 0,005 and from 1E+15 on.
std::pair<Exact, bool> answerRounding(const Exact& field) {
    const Exact magnitude = abs(field);
    const bool significant = field != 0 && (magnitude * 200 < 1 || magnitude >= exactPower(10, 15));
    Exact unit(1, 100);
    if (significant) {  // the place of the third digit
        unit = 1;
        while (unit > magnitude) unit /= 10;
        while (unit * 10 <= magnitude) unit *= 10;
        unit /= 100;
    }
    const Exact scaled = magnitude / unit;
    Integer kept =
        boost::multiprecision::numerator(scaled) / boost::multiprecision::denominator(scaled);
    if (scaled - Exact(kept) >= Exact(1, 2)) ++kept;
    const Exact rounded = Exact(kept) * unit;
    return {field < 0 ? Exact(-rounded) : rounded, significant};
}

struct Block {
    bool stepApproximate = false;
    int notes = 0;
    bool fieldOtherwise = false;  // a note says why the field's number is another
};

}  // namespace

std::vector<std::string> brokenRules(std::string_view text, const calc::Working& working,
                                     Exceptions& seen) {
    std::vector<std::string> faults;
    std::vector<std::string> longRounded;  // written with "≈" and then as operands
    const std::vector<Exact> typedOrShown = anyLength(working);
    const std::size_t mostDigits = working.op ? kFieldDigits : kCopiedDigits;
    std::vector<Exact> decimalFields;
    for (const calc::WorkedResult& result : working.results)
        if (std::optional<Exact> field = decimalField(result)) decimalFields.push_back(*field);
    std::size_t answers = 0;
    Block block;
    bool ladder = false;
    for (std::size_t at = 0, end = 0; end != std::string_view::npos; at = end + 1) {
        end = text.find('\n', at);
        const std::string line = readable(text.substr(at, end - at));
        auto fault = [&](std::string_view why) {
            faults.push_back(line + "   [" + std::string(why) + "]");
        };
        if (line.empty()) block = {};
        if (line.starts_with("≈") || line.starts_with("=")) fault("begins with a sign");
        if (!bracketsPair(line)) fault("brackets");
        if (line.starts_with("Дробную часть умножаем") || line.starts_with("Целую часть делим"))
            ladder = true;
        const bool conversion = ladder || has(line, "₂") || has(line, "₈") || has(line, "₁₀") ||
                                has(line, "₁₆") || line.starts_with("Проверка");
        if (line.starts_with("Читаем")) ladder = false;
        if (!conversion) {
            for (std::sregex_iterator it(line.begin(), line.end(), kNumber), none; it != none;
                 ++it) {
                const std::smatch& number = *it;
                ++seen.numbers;
                if (copyable(number, mostDigits) ||
                    std::ranges::find(longRounded, number.str()) != longRounded.end() ||
                    anyLengthOf(number, typedOrShown))
                    continue;
                // after "≈": a rounded value, or one worked from it
                bool rounded =
                    has(line.substr(0, static_cast<std::size_t>(number.position())), "≈");
                if (rounded && significantDigits(number) <= kFieldDigits) {
                    longRounded.push_back(number.str());
                    ++seen.longRounded;
                    continue;
                }
                fault("too long to copy: " + number.str());
            }
        }
        if (line.starts_with("В поле")) {
            if (++block.notes > 1) fault("a second note");
            block.fieldOtherwise = true;
            continue;
        }
        if (!line.starts_with("Ответ: ")) {
            block.stepApproximate = block.stepApproximate || (!labelled(line) && has(line, " ≈ "));
            continue;
        }
        std::size_t equals = line.find(" = "), about = line.find(" ≈ ");
        if ((about < equals) != block.stepApproximate)
            fault(block.stepApproximate ? "a step said ≈" : "no step said ≈");
        const bool decimal = !has(line, "₈") && !has(line, "₁₆");
        if (decimal && answers < decimalFields.size()) {
            std::string value = line.substr(0, line.find(" (округлили"));
            std::size_t equalsAt = value.rfind(" = "), aboutAt = value.rfind(" ≈ ");
            std::size_t sign = equalsAt == std::string::npos  ? aboutAt
                               : aboutAt == std::string::npos ? equalsAt
                                                              : std::max(equalsAt, aboutAt);
            value = value.substr(value.find(' ', sign + 1) + 1);
            std::erase(value, ' ');
            auto [expected, significant] = answerRounding(decimalFields[answers]);
            std::optional<Exact> written = exactOfText(value);
            ++seen.answers;
            if (written && *written != expected && block.fieldOtherwise)
                ++seen.otherAnswers;
            else if (!written || *written != expected || (has(line, "значащих") && !significant))
                fault("not the field rounded as it says");
        }
        if (decimal) ++answers;
        block = {};
    }
    return faults;
}

}  // namespace solution::testing
