#include "number_form.h"

#include <atomic>
#include <cstdlib>

#include "messages.h"

namespace calc {

namespace {

std::atomic<char> gSeparator{'.'};

}  // namespace

void setDecimalSeparator(char separator) {
    if (separator != '.' && separator != ',') {
        throw RuntimeError(Error::InvalidOperation, Detail::DecimalSeparator);
    }
    gSeparator.store(separator);
}

char decimalSeparator() {
    return gSeparator.load();
}

int digitValue(char digit) {
    const std::size_t at = kDigits.find(digit);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string exponentForm(bool negative, std::string_view digits, int power) {
    std::string text = negative ? "-" : "";
    text += digits.front();
    if (digits.size() > 1) text.append(1, decimalSeparator()).append(digits.substr(1));
    text += power < 0 ? "E-" : "E+";
    const int magnitude = std::abs(power);
    if (magnitude < 10) text += '0';
    return text.append(std::to_string(magnitude));
}

std::string plainForm(bool negative, std::string_view integer, std::string_view fraction) {
    std::string text = negative ? "-" : "";
    text.append(integer);
    if (!fraction.empty()) text.append(1, decimalSeparator()).append(fraction);
    return text;
}

std::string bitsOf(std::string_view digits, int bitsPerDigit) {
    std::string bits;
    bits.reserve(digits.size() * static_cast<std::size_t>(bitsPerDigit));
    for (char digit : digits)
        for (int shift = bitsPerDigit - 1; shift >= 0; --shift)
            bits += static_cast<char>('0' + ((digitValue(digit) >> shift) & 1));
    return bits;
}

std::string digitsOfBits(std::string_view bits, int bitsPerDigit) {
    const std::size_t width = static_cast<std::size_t>(bitsPerDigit);
    std::string digits;
    int value = 0;
    std::size_t taken = (width - bits.size() % width) % width;  // the zeros put before
    for (char bit : bits) {
        value = value * 2 + (bit - '0');
        if (++taken % width != 0) continue;
        digits += kDigits[static_cast<std::size_t>(value)];
        value = 0;
    }
    return digits;
}

}  // namespace calc
