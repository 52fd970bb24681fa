#include "line_checker.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>

#include "solution/exact.h"

namespace solution::testing {

namespace {

constexpr std::size_t kLongestWords = 70;

// A side of "=" or "≈": a number, or the square root of one; `unit` is the place value of its
// last written digit, where it is a plain number with a last digit (none for 0,(3), 1/97).
struct Value {
    Exact number;
    bool root = false;
    std::optional<Exact> unit = std::nullopt;
    bool goesOn = false;  // "…": the digits were cut
    // How far an expression may be from what its numbers stand for, each number being rounded
    // at its last digit: for "18,84 · (1E+20)" after "≈", where 1E+20 stands for 1E+20 + 3.
    Exact slack = 0;
};

Exact slackOf(const Value& v) {
    return v.unit ? Exact(*v.unit / 2) : v.slack;
}

Value plainValue(const Exact& number) {
    Value v;
    v.number = number;
    return v;
}
Value rootOf(const Exact& number) {
    Value v = plainValue(number);
    v.root = true;
    return v;
}

const std::vector<std::pair<std::string_view, int>> kSubscripts{
    {"₁₆", 16}, {"₁₀", 10}, {"₈", 8}, {"₂", 2}};
const std::vector<std::string_view> kSuperscripts{"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};

class Parser {
  public:
    explicit Parser(std::string_view text) : s_(text) {}

    std::optional<Value> whole() {
        std::optional<Value> v = sum();
        skipSpaces();
        if (!v || !s_.empty()) return std::nullopt;
        return v;
    }

  private:
    bool take(std::string_view token) {
        skipSpaces();
        if (!s_.starts_with(token)) return false;
        s_.remove_prefix(token.size());
        return true;
    }
    void skipSpaces() {
        while (s_.starts_with(" ")) s_.remove_prefix(1);
    }
    static bool plain(const std::optional<Value>& v) { return v && !v->root; }

    std::optional<Value> sum() {
        std::optional<Value> v = product();
        for (;;) {
            bool plus = take("+");
            if (!plus && !take("−")) return v;
            std::optional<Value> w = product();
            if (!plain(v) || !plain(w)) return std::nullopt;
            Exact slack = slackOf(*v) + slackOf(*w);
            v = plainValue(plus ? v->number + w->number : v->number - w->number);
            v->slack = slack;
        }
    }
    std::optional<Value> product() {
        std::optional<Value> v = power();
        for (;;) {
            bool times = take("·");
            if (!times && !take(":")) return v;
            std::optional<Value> w = power();
            if (!plain(v) || !plain(w) || (!times && w->number == 0)) return std::nullopt;
            Exact sv = slackOf(*v), sw = slackOf(*w), a = abs(v->number), b = abs(w->number);
            Exact slack = a * sw + b * sv + sv * sw;
            if (!times) slack = b > sw ? Exact((a * sw + b * sv) / (b * (b - sw))) : Exact(a + 1);
            v = plainValue(times ? v->number * w->number : v->number / w->number);
            v->slack = slack;
        }
    }
    std::optional<Value> power() {
        std::optional<Value> v = primary();
        if (!plain(v)) return v;
        bool negative = s_.starts_with("⁻");
        if (negative) s_.remove_prefix(std::string_view("⁻").size());
        int exponent = 0;
        bool any = false;
        for (bool found = true; found;) {
            found = false;
            for (std::size_t d = 0; d < kSuperscripts.size(); ++d)
                if (s_.starts_with(kSuperscripts[d])) {
                    s_.remove_prefix(kSuperscripts[d].size());
                    exponent = exponent * 10 + static_cast<int>(d);
                    found = any = true;
                }
        }
        if (!any) return negative ? std::nullopt : v;
        Exact result = 1, high = 1, s = slackOf(*v), a = abs(v->number);
        for (int i = 0; i < exponent; ++i) result *= v->number, high *= a + s;
        Value powered = plainValue(negative ? Exact(1) / result : result);
        if (!negative && s != 0) powered.slack = high - abs(result);
        return powered;
    }
    std::optional<Value> primary() {
        skipSpaces();
        if (take("√")) {
            std::optional<Value> v = primary();
            if (!plain(v) || v->number < 0) return std::nullopt;
            Value root = rootOf(v->number);
            root.unit = v->unit;  // "√6,25" after "≈": the number under the root is rounded
            root.slack = slackOf(*v);
            return root;
        }
        if (s_.starts_with("(") && !(s_.size() > 1 && s_[1] == '(')) {
            std::string_view saved = s_;
            s_.remove_prefix(1);
            std::optional<Value> v = sum();
            if (take(")")) return v;
            s_ = saved;
            return std::nullopt;
        }
        return number();
    }

    // 12,5  -3,5E+20  0,0(6314)₈  011 111,100₂  8/97  FF,8₁₆  0,0052…₈
    std::optional<Value> number() {
        std::size_t n = 0;
        auto isPart = [&](std::size_t i) {
            char c = s_[i];
            if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == ',' || c == '.' ||
                c == '/')
                return true;
            if (c == '(') return i > 0 && s_[i - 1] != ' ';
            if (c == ')') return true;
            if (c == ' ')
                return i > 0 && i + 1 < s_.size() &&
                       std::isalnum(static_cast<unsigned char>(s_[i + 1])) &&
                       std::isalnum(static_cast<unsigned char>(s_[i - 1]));
            return (c == '-' && i == 0) || ((c == '+' || c == '-') && i > 0 && s_[i - 1] == 'E');
        };
        while (n < s_.size() && isPart(n)) ++n;
        std::string token(s_.substr(0, n));
        // a closing bracket that is not the period's belongs to the expression
        while (!token.empty() && token.back() == ')' && token.find('(') == std::string::npos)
            token.pop_back();
        if (token.empty()) return std::nullopt;
        s_.remove_prefix(token.size());
        bool goesOn = s_.starts_with("…");
        if (goesOn) s_.remove_prefix(std::string_view("…").size());
        int base = 10;
        for (auto [sub, b] : kSubscripts)
            if (s_.starts_with(sub)) {
                s_.remove_prefix(sub.size());
                base = b;
                break;
            }
        return read(token, base, goesOn);
    }

    static std::optional<Value> read(std::string token, int base, bool goesOn) {
        std::erase(token, ' ');
        bool negative = token.starts_with("-");
        if (negative) token.erase(0, 1);
        Value v;
        v.goesOn = goesOn;
        if (auto slash = token.find('/'); slash != std::string::npos) {
            v.number = Exact(Integer(token.substr(0, slash)), Integer(token.substr(slash + 1)));
        } else {
            int exponent = 0;
            if (auto e = token.find('E'); base == 10 && e != std::string::npos) {
                exponent = std::stoi(token.substr(e + 1));
                token.resize(e);
            }
            std::string period;
            if (auto open = token.find('('); open != std::string::npos) {
                if (token.back() != ')') return std::nullopt;
                period = token.substr(open + 1, token.size() - open - 2);
                token.resize(open);
            }
            Integer digits = 0;
            int places = 0;
            bool comma = false;
            for (char c : token) {
                if (c == ',' || c == '.') {
                    if (comma) return std::nullopt;
                    comma = true;
                    continue;
                }
                int d = c <= '9' ? c - '0' : c - 'A' + 10;
                if (d < 0 || d >= base) return std::nullopt;
                digits = digits * base + d;
                places += comma ? 1 : 0;
            }
            v.number = Exact(digits) * exactPower(base, -places);
            int zeros = 0;  // an integer's closing zeros may stand for digits not shown
            for (Integer d = digits; !comma && d != 0 && d % base == 0; d /= base) ++zeros;
            if (!period.empty()) {  // 0,1(6) = 0,1 + 0,0(6)
                Integer p = 0;
                for (char c : period) p = p * base + (c <= '9' ? c - '0' : c - 'A' + 10);
                v.number += Exact(p) / (exactPower(base, static_cast<int>(period.size())) - 1) *
                            exactPower(base, -places);
            } else {
                v.unit = exactPower(base, zeros - places) * exactPower(10, exponent);
            }
            v.number *= exactPower(10, exponent);
        }
        if (negative) v.number = -v.number;
        return v;
    }

    std::string_view s_;
};

std::optional<Value> valueOf(std::string_view text) {
    return Parser(text).whole();
}

bool equal(const Value& a, const Value& b) {
    if (a.root == b.root) return a.number == b.number;
    const Value& root = a.root ? a : b;
    const Value& other = a.root ? b : a;
    return other.number >= 0 && other.number * other.number == root.number;
}

// |a - b| within the rounding of b: half its last digit, a whole one where its digits go on.
bool near(const Value& a, const Value& b) {
    if (equal(a, b)) return true;
    if (a.root && b.root) return abs(a.number - b.number) <= slackOf(b);
    if (b.root) return false;
    if (!b.unit) return !a.root && !b.root && abs(a.number - b.number) <= b.slack;
    Exact allowed = b.goesOn ? *b.unit : *b.unit / 2;
    if (!a.root) return abs(a.number - b.number) <= allowed;
    Exact low = b.number - allowed, high = b.number + allowed;
    return (low <= 0 || low * low <= a.number) && a.number <= high * high;
}

void cutAfter(std::string& line, std::string_view mark) {
    if (auto at = line.find(mark); at != std::string::npos) line.resize(at);
}

void dropPrefix(std::string& line, std::string_view prefix) {
    if (line.starts_with(prefix)) line.erase(0, prefix.size());
}

// "N : b = q, остаток r"
bool ladderStepTrue(const std::string& line) {
    auto colon = line.find(" : "), eq = line.find(" = "), rest = line.find(", остаток ");
    auto n = valueOf(line.substr(0, colon)), b = valueOf(line.substr(colon + 3, eq - colon - 3));
    auto q = valueOf(line.substr(eq + 3, rest - eq - 3));
    std::string r = line.substr(rest + std::string_view(", остаток ").size());
    cutAfter(r, " (");
    if (!n || !b || !q) return false;
    if (r.empty() || r.find_first_not_of("0123456789") != std::string::npos) return false;
    Exact remainder(std::stoi(r));
    return n->number == q->number * b->number + remainder && remainder < b->number &&
           q->number == Exact(Integer(boost::multiprecision::numerator(q->number)));
}

}  // namespace

std::string readable(std::string_view text) {
    constexpr std::string_view kNoBreakSpace = "\u00A0";
    std::string plain;
    for (std::size_t at = 0; at < text.size();) {
        bool space = text.substr(at).starts_with(kNoBreakSpace);
        plain += space ? ' ' : text[at];
        at += space ? kNoBreakSpace.size() : 1;
    }
    return plain;
}

std::vector<std::string> falseLines(std::string_view text) {
    std::vector<std::string> faults;
    std::optional<Value> last;  // the last number of the lines above, for "Ответ: c ≈ …"
    std::string converted;      // the number converted, for its check
    for (std::size_t at = 0, end = 0; end != std::string_view::npos; at = end + 1) {
        end = text.find('\n', at);
        std::string original(text.substr(at, end - at));
        std::string line = readable(original);
        // A line of words fits the window at its default size.
        std::size_t letters =
            std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
        bool number = line.find_first_of("0123456789") != std::string::npos ||
                      line.find("₁₆") != std::string::npos;
        if (!number && letters > kLongestWords)
            faults.push_back(original + "   [longer than the window]");
        if (line.find(", остаток ") != std::string::npos) {
            if (!ladderStepTrue(line)) faults.push_back(original);
            continue;
        }
        bool check = line.starts_with("Проверка: ");
        bool answer = line.starts_with("Ответ: ");
        bool field = line.starts_with("В поле") || line.starts_with("Компьютер");
        for (std::string_view prefix :
             {"Ответ: ", "Проверка: ", "Число отрицательное, знак сохраняется: "})
            dropPrefix(line, prefix);
        if (field) line.erase(0, line.find(": ") + 2);
        cutAfter(line, " (округлили");
        cutAfter(line, " — ");
        std::optional<int> digit;
        if (auto mark = line.find(", целая часть "); mark != std::string::npos) {
            digit =
                std::atoi(line.substr(mark + std::string_view(", целая часть ").size()).c_str());
            line.resize(mark);
        }
        if (line.size() > 4 && line.ends_with(")") && line[line.size() - 4] == ' ' &&
            line[line.size() - 3] == '(')
            line.resize(line.size() - 4);  // "12 (C)"
        std::vector<std::string> sides;
        std::vector<bool> exact;
        for (std::size_t from = 0;;) {
            std::size_t eq = line.find(" = ", from), ap = line.find(" ≈ ", from);
            std::size_t sign = std::min(eq, ap);
            sides.push_back(line.substr(from, sign - from));
            if (sign == std::string::npos) break;
            exact.push_back(sign == eq);
            from = sign + (sign == eq ? 3 : std::string_view(" ≈ ").size());
        }
        if (sides.size() == 1) continue;  // words, or a number alone
        std::optional<Value> left = valueOf(sides[0]);
        // "Ответ: S ≈ 19,63", "Ответ: 1 : 7 ≈ 0,14": the answer goes on from the working's
        // last number, which the lines above have checked.
        if (answer &&
            (!exact[0] || (!left && sides[0].find_first_of("0123456789") == std::string::npos)))
            left = last;
        for (std::size_t i = 1; i < sides.size(); ++i) {
            std::optional<Value> right = valueOf(sides[i]);
            // a check's sum of the digits shown is within the field's digits of the number
            bool fine = left && right &&
                        (exact[i - 1] ? equal(*left, *right)
                                      : near(*left, *right) || (check && !left->root &&
                                                                abs(left->number - right->number) *
                                                                        exactPower(2, 48) <=
                                                                    abs(right->number)));
            if (left && right && !fine)
                faults.push_back(original + "   [" + sides[i - 1] + (exact[i - 1] ? " = " : " ≈ ") +
                                 sides[i] + "]");
            if (right)
                left = right;
            else if (sides[i].find_first_of("0123456789") != std::string::npos)
                left.reset();
        }
        if (left && !field) last = left;
        if (digit && left &&
            Integer(boost::multiprecision::numerator(left->number) /
                    boost::multiprecision::denominator(left->number)) != *digit)
            faults.push_back(original + "   [целая часть]");
        if (sides[0].ends_with("₁₀"))
            converted = sides[0].substr(0, sides[0].size() - std::string_view("₁₀").size());
        if (check && sides.back() != converted)
            faults.push_back(original + "   [ends not at " + converted + "]");
    }
    return faults;
}

}  // namespace solution::testing
