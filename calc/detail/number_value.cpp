#include "calc/detail/number_value.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "calc/messages.h"
#include "calc/number_form.h"

namespace calc::detail {

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

// The largest double as textOf writes it, 1.79769313486232E+308, as 0.digits x 10^exponent.
// Texts up to it read as the largest double, so every text the program writes reads back.
constexpr std::string_view kLargestTextDigits = "179769313486232";
constexpr std::int64_t kLargestTextExponent = 309;

// Past these decimal exponents (value = 0.digits x 10^exponent) the outcome is known without
// converting: the value overflows, or it rounds to zero.
constexpr std::int64_t kBeyondLargest = 310;
constexpr std::int64_t kBelowSmallest = -330;

// Doubles reach 2^1024 = 16^256.
constexpr std::size_t kMostHexDigits = 256;

constexpr std::int64_t kExponentLimit = 1'000'000'000;

[[noreturn]] void raiseOverflow(std::string_view source) {
    throw RuntimeError(Error::Overflow, Detail::TooLarge, source);
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

std::string_view withoutTrailingZeros(std::string_view digits) {
    return digits.substr(0, digits.find_last_not_of('0') + 1);
}

// The written exponent, clamped far past any double's range.
std::int64_t exponentValue(const ScannedNumber& number) {
    std::string_view digits = withoutLeadingZeros(number.exponentDigits);
    std::int64_t value = 0;
    if (digits.size() > 10) {
        value = kExponentLimit;  // far past any double either way
    } else {
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
        value = std::min(value, kExponentLimit);
    }
    return number.exponentNegative ? -value : value;
}

// Compares 0.a with 0.b, both digit strings without trailing zeros.
bool fractionAtMost(std::string_view a, std::string_view b) {
    std::size_t n = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char da = i < a.size() ? a[i] : '0';
        char db = i < b.size() ? b[i] : '0';
        if (da != db) return da < db;
    }
    return true;
}

double decimalMagnitude(const ScannedNumber& number, std::string_view source) {
    std::string_view all = number.digits;
    std::string_view significant = withoutLeadingZeros(all);
    std::int64_t leadingZeros = static_cast<std::int64_t>(all.size() - significant.size());
    significant = withoutTrailingZeros(significant);
    if (significant.empty()) return 0.0;

    std::int64_t exponent =
        exponentValue(number) + static_cast<std::int64_t>(number.integerDigits) - leadingZeros;

    bool withinLargestText =
        exponent < kLargestTextExponent ||
        (exponent == kLargestTextExponent && fractionAtMost(significant, kLargestTextDigits));
    if (exponent >= kBeyondLargest || !withinLargestText) raiseOverflow(source);
    if (exponent < kBelowSmallest) return 0.0;

    std::string normalized = "0.";
    normalized.append(significant);
    normalized += 'e';
    normalized += std::to_string(exponent);
    double value = 0.0;
    auto [end, error] =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large means it rounds above the largest double yet lies within its written text.
        return exponent > 0 ? kLargest : 0.0;
    }
    return value;
}

// Three bits an octal digit, regrouped into four bits a hexadecimal digit.
std::string octalToHex(std::string_view octal) {
    return digitsOfBits(bitsOf(octal, bitsPerDigitOf(8)), bitsPerDigitOf(16));
}

double radixMagnitude(const ScannedNumber& number, std::string_view source) {
    std::string hex = number.kind == NumberKind::Octal ? octalToHex(number.digits) : number.digits;
    std::string_view digits = withoutLeadingZeros(hex);
    if (digits.empty()) return 0.0;
    if (digits.size() > kMostHexDigits) raiseOverflow(source);
    double value = 0.0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::hex);
    if (error == std::errc::result_out_of_range) raiseOverflow(source);
    return value;
}

}  // namespace

double numberValue(const ScannedNumber& number, std::string_view source) {
    double magnitude = number.kind == NumberKind::Decimal ? decimalMagnitude(number, source)
                                                          : radixMagnitude(number, source);
    return number.negative ? -magnitude : magnitude;
}

}  // namespace calc::detail
