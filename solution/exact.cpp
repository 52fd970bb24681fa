#include "solution/exact.h"

#include <cmath>
#include <cstdlib>

#include "calc/conversions.h"
#include "calc/number_form.h"

namespace solution {

namespace {

using boost::multiprecision::denominator;
using boost::multiprecision::numerator;

Integer powerOf(int base, int exponent) {
    return boost::multiprecision::pow(Integer(base), static_cast<unsigned>(exponent));
}

int decimalDigitCount(const Integer& n) {
    return n == 0 ? 0 : static_cast<int>(abs(n).str().size());
}

// Whole powers of a prime in n.
int timesDivisible(Integer n, int prime) {
    if (n == 0) return 0;
    if (prime == 2) return static_cast<int>(boost::multiprecision::lsb(n));
    int count = 0;
    const Integer chunk = powerOf(prime, 16);  // sixteen at a time, then one by one
    while (n % chunk == 0) {
        n /= chunk;
        count += 16;
    }
    while (n != 0 && n % prime == 0) {
        n /= prime;
        ++count;
    }
    return count;
}

Exact roundedAt(const Exact& x, int power) {  // to a multiple of 10^power, half away from zero
    Exact scaled = x / exactPower(10, power);
    Exact magnitude = abs(scaled);
    Integer whole = numerator(magnitude) / denominator(magnitude);
    if (magnitude - Exact(whole) >= Exact(1, 2)) ++whole;
    Exact result(x < 0 ? Integer(-whole) : whole);
    return result * exactPower(10, power);
}

}  // namespace

std::string digitsOf(const Integer& n) {
    return n.str();
}

Exact exactPower(int base, int power) {
    return power >= 0 ? Exact(powerOf(base, power)) : Exact(Integer(1), powerOf(base, -power));
}

std::optional<Exact> exactOfText(std::string_view text, int base) {
    bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    Integer digits = 0;
    int exponent = 0;
    bool seenDigit = false, afterComma = false;
    std::size_t at = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        const int digit = calc::digitValue(c);
        if (digit >= 0 && digit < base) {
            digits = digits * base + digit;
            seenDigit = true;
            if (afterComma) --exponent;
        } else if ((c == ',' || c == '.') && !afterComma) {
            afterComma = true;
        } else {
            break;
        }
    }
    if (!seenDigit) return std::nullopt;
    if (at < text.size()) {  // only a decimal has an exponent: "E" is a hexadecimal digit
        if (base != 10 || text[at] != 'E' || at + 2 > text.size()) return std::nullopt;
        exponent += std::atoi(std::string(text.substr(at + 1)).c_str());
    }
    Exact value = Exact(digits) * exactPower(base, exponent);
    return negative ? Exact(-value) : value;
}

Exact exactAsShown(double value) {
    return exactOfText(calc::textOf(value)).value_or(Exact(0));
}

std::optional<Decimal> decimalOf(const Exact& x, std::size_t longestPeriod) {
    Decimal decimal;
    decimal.negative = x < 0;
    Integer num = abs(numerator(x));
    const Integer& den = denominator(x);
    decimal.integer = Integer(num / den).str();
    Integer remainder = num % den;
    // The digits before the period are as many as the larger power of 2 or 5 in the denominator,
    // and come at once.
    int before = std::max(timesDivisible(den, 2), timesDivisible(den, 5));
    if (before > 0 && remainder != 0) {
        Integer scaled = remainder * powerOf(10, before);
        std::string digits = Integer(scaled / den).str();
        decimal.fraction =
            std::string(static_cast<std::size_t>(before) - digits.size(), '0') + digits;
        remainder = scaled % den;
    }
    if (remainder == 0) return decimal;
    auto nextDigit = [&](std::string& to) {
        remainder *= 10;
        to += static_cast<char>('0' + static_cast<int>(Integer(remainder / den)));
        remainder %= den;
    };
    const Integer start = remainder;
    do {
        if (decimal.period.size() == longestPeriod) return std::nullopt;
        nextDigit(decimal.period);
    } while (remainder != start);
    return decimal;
}

int leadingPower(const Exact& x, int base) {
    Exact magnitude = abs(x);
    // The bit lengths give it to within one: base^power <= x < base^(power+1).
    double bits = static_cast<double>(boost::multiprecision::msb(numerator(magnitude))) -
                  static_cast<double>(boost::multiprecision::msb(denominator(magnitude)));
    int power = static_cast<int>(std::floor(bits / std::log2(base)));
    while (magnitude < exactPower(base, power)) --power;
    while (magnitude >= exactPower(base, power + 1)) ++power;
    return power;
}

Exact roundedDecimals(const Exact& x, int decimals) {
    return roundedAt(x, -decimals);
}

Exact roundedSignificant(const Exact& x, int digits) {
    return x == 0 ? x : roundedAt(x, leadingPower(x) - digits + 1);
}

Exact squareRoot(const Exact& x, int digits, bool& rounded) {
    rounded = false;
    if (x <= 0) return Exact(0);
    const Integer& num = numerator(x);
    const Integer& den = denominator(x);
    Integer numRoot = sqrt(num), denRoot = sqrt(den);
    if (numRoot * numRoot == num && denRoot * denRoot == den) return Exact(numRoot, denRoot);
    rounded = true;
    // floor(√x · 10^k) with at least one digit past those kept decides the rounding: the true
    // root lies below the next whole number, so the kept digits round as the root's would.
    int k = digits + 2 - leadingPower(x) / 2;
    Integer scaled = k >= 0 ? Integer(num * powerOf(10, 2 * k) / den)
                            : Integer(num / (den * powerOf(10, -2 * k)));
    Integer root = sqrt(scaled);
    int drop = decimalDigitCount(root) - digits;
    Integer unit = powerOf(10, drop);
    Integer kept = root / unit;
    if ((root % unit) * 2 >= unit) ++kept;
    Exact value(kept * unit);
    return value / exactPower(10, k);
}

}  // namespace solution
