#include "calc/detail/number_scan.h"

#include <array>

namespace calc::detail {

namespace {

// Blanks are skipped anywhere in a number: pupils and other programs group digits with them.
constexpr std::array<std::string_view, 6> kBlanks{" ",           "\t", "\r", "\n",
                                                  "\xC2\xA0",       // no-break space
                                                  "\xE2\x80\xAF"};  // narrow no-break space

constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // U+2212, copied out of calculators

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}
bool isHexDigit(char c) {
    return isDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::size_t blankLength(std::string_view rest) {
    for (std::string_view blank : kBlanks) {
        if (rest.starts_with(blank)) return blank.size();
    }
    return 0;
}

// Walks a text, skipping blanks before every character it looks at.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    std::size_t position() const { return pos_; }
    void rewind(std::size_t position) { pos_ = position; }

    // Each take leaves the cursor where it was when it finds nothing, so trailing blanks never
    // become part of the number.
    bool take(std::string_view token) {
        std::size_t at = nextNonBlank();
        if (!text_.substr(at).starts_with(token)) return false;
        pos_ = at + token.size();
        return true;
    }

    bool takeAnyOf(std::string_view chars) {
        std::size_t at = nextNonBlank();
        if (at >= text_.size() || chars.find(text_[at]) == std::string_view::npos) return false;
        pos_ = at + 1;
        return true;
    }

    // Appends every digit accepted by `isDigit` to `out`; returns how many.
    template <typename Pred>
    std::size_t takeDigits(Pred isDigit, std::string& out) {
        std::size_t count = 0;
        for (;;) {
            std::size_t at = nextNonBlank();
            if (at >= text_.size() || !isDigit(text_[at])) return count;
            out += text_[at];
            pos_ = at + 1;
            ++count;
        }
    }

    std::size_t nextNonBlank() const {
        std::size_t at = pos_;
        while (std::size_t n = blankLength(text_.substr(at))) at += n;
        return at;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool scanSign(Cursor& cursor) {
    if (cursor.take("-") || cursor.take(kMinusSign)) return true;
    cursor.take("+");
    return false;
}

bool scanRadixInteger(Cursor& cursor, ScannedNumber& number) {
    std::size_t start = cursor.position();
    if (!cursor.take("&")) return false;
    if (cursor.takeAnyOf("Hh")) {
        number.kind = NumberKind::Hexadecimal;
        if (cursor.takeDigits(isHexDigit, number.digits) > 0) return true;
    } else if (cursor.takeAnyOf("Oo")) {
        number.kind = NumberKind::Octal;
        if (cursor.takeDigits(isOctalDigit, number.digits) > 0) return true;
    }
    cursor.rewind(start);
    return false;
}

// An exponent marker counts only when digits follow it.
void scanExponent(Cursor& cursor, ScannedNumber& number) {
    std::size_t start = cursor.position();
    if (!cursor.takeAnyOf("EeDd")) return;
    bool negative = cursor.take("-") || cursor.take(kMinusSign);
    if (!negative) cursor.take("+");
    std::string digits;
    if (cursor.takeDigits(isDecimalDigit, digits) == 0) {
        cursor.rewind(start);
        return;
    }
    number.exponentDigits = std::move(digits);
    number.exponentNegative = negative;
}

bool scanDecimal(Cursor& cursor, ScannedNumber& number) {
    std::size_t start = cursor.position();
    number.integerDigits = cursor.takeDigits(isDecimalDigit, number.digits);
    std::size_t afterInteger = cursor.position();
    std::size_t fractionDigits = 0;
    if (cursor.takeAnyOf(".,")) {
        fractionDigits = cursor.takeDigits(isDecimalDigit, number.digits);
        // A separator after digits belongs to the number ("5."); alone it does not.
        if (fractionDigits == 0 && number.integerDigits == 0) cursor.rewind(afterInteger);
    }
    if (number.integerDigits + fractionDigits == 0) {
        cursor.rewind(start);
        return false;
    }
    scanExponent(cursor, number);
    return true;
}

}  // namespace

ScannedNumber scanNumber(std::string_view text) {
    ScannedNumber number;
    Cursor cursor(text);
    number.negative = scanSign(cursor);
    number.found = scanRadixInteger(cursor, number) || scanDecimal(cursor, number);
    number.end = number.found ? cursor.position() : 0;
    if (!number.found) number.negative = false;
    return number;
}

bool isBlank(std::string_view text) {
    return Cursor(text).nextNonBlank() == text.size();
}

}  // namespace calc::detail
