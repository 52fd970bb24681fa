// Text-to-number and number-to-text conversions.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "calc/calc.h"
#include "random_double.h"
#include "testing/separator_guard.h"

namespace calc {
namespace {

constexpr double kMax = DBL_MAX;
constexpr double kTiny = 4.9406564584124654e-324;  // the smallest subnormal

struct ValueCase {
    const char* text;
    double expected;
};

void expectSameDouble(double expected, double actual, const std::string& context) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(expected), std::bit_cast<std::uint64_t>(actual))
        << context << ": expected " << expected << ", got " << actual;
}

TEST(ValueOf, ReadsTheLongestNumberAtTheStart) {
    const ValueCase cases[] = {
        {"", 0.0},     // nothing at all
        {"abc", 0.0},  // no number
        {"-", 0.0},    // a sign alone
        {".", 0.0},    // a separator alone
        {"12", 12.0},
        {"12abc", 12.0},   // the rest is ignored
        {"2,5", 2.5},      // comma separator
        {"2.5", 2.5},      // point separator
        {"1,000.5", 1.0},  // one separator only: the number ends at the second
        {".5", 0.5},
        {"5.", 5.0},
        {"5.x", 5.0},
        {"-3", -3.0},
        {"+3", 3.0},
        {"\xE2\x88\x92"
         "3",
         -3.0},             // U+2212 minus sign
        {"--3", 0.0},       // two signs are no number
        {"1 000", 1000.0},  // blanks between digit groups
        {"1\xC2\xA0"
         "000",
         1000.0},  // no-break space
        {"1\xE2\x80\xAF"
         "000",
         1000.0},                  // narrow no-break space
        {" \t-\r\n 4 2 ", -42.0},  // blanks anywhere
        {"1e3", 1000.0},
        {"1E+3", 1000.0},
        {"1d3", 1000.0},  // D marks an exponent too
        {"25e-1", 2.5},
        {"1e", 1.0},  // a marker without digits is not part of the number
        {"1e+", 1.0},
        {"1ex5", 1.0},
        {"2,5e1", 25.0},
        {"1e-400", 0.0},  // too small: rounds to zero without error
        {"-1e-400", -0.0},
        {"4.9406564584124654e-324", kTiny},
        {"0e999999", 0.0},  // zero stays zero whatever the exponent
        {"1e00000000000000000000003", 1000.0},
        {"1.79769313486232E+308", kMax},  // the largest double as the program writes it
        {"1,79769313486232E+308", kMax},
        {"-1.79769313486232E+308", -kMax},
        {"1.7976931348623157e308", kMax},
        {"0.1", 0.1},  // correctly rounded
        {"0.30000000000000004", 0.30000000000000004},
        {"9007199254740993", 9007199254740992.0},  // ties to even
        {"&H1F", 31.0},
        {"&h1f", 31.0},
        {"-&H1F", -31.0},
        {"&HFFFFFFFF", 4294967295.0},  // never wraps to a negative value
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
        {"&O17", 15.0},
        {"&o777x", 511.0},
        {"&O8", 0.0},  // no octal digit: no number
        {"&H", 0.0},
        {"&", 0.0},
        {"&H1F.8", 31.0},  // whole numbers only
        {"&O1777777777777777777777", 18446744073709551616.0 - 1.0},
    };
    for (const auto& c : cases) expectSameDouble(c.expected, valueOf(c.text), c.text);
}

TEST(ValueOf, LongTextsAreReadExactly) {
    std::string manyDigits = "0." + std::string(100000, '3');
    EXPECT_EQ(valueOf(manyDigits), 1.0 / 3.0);
    std::string spaced;
    for (int i = 0; i < 300; ++i) spaced += "1 ";
    EXPECT_EQ(valueOf(spaced), valueOf(std::string(300, '1')));
    std::string hex = "&H" + std::string(256, 'F');  // just below 2^1024: rounds to overflow
    EXPECT_THROW(valueOf(hex), RuntimeError);
    EXPECT_EQ(valueOf("&H" + std::string(300, '0') + "10"), 16.0);
}

struct ErrorCase {
    const char* text;
    Error number;
};

TEST(ValueOf, MagnitudesBeyondTheDoubleRangeOverflow) {
    const ErrorCase cases[] = {
        {"1e309", Error::Overflow},
        {"1.79769313486233E+308", Error::Overflow},  // just past the largest written text
        {"-1e99999999999999999999", Error::Overflow},
        {"&H1"
         "0000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000",
         Error::Overflow},  // 2^1024
    };
    for (const auto& c : cases) {
        try {
            valueOf(c.text);
            ADD_FAILURE() << c.text << " was read without an error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), c.number) << c.text;
        }
    }
}

TEST(CoerceToDouble, TakesOnlyAWholeNumber) {
    const ValueCase accepted[] = {
        {"12", 12.0},
        {" 12 ", 12.0},
        {"2,5", 2.5},
        {"1 000", 1000.0},
        {"-&H1F", -31.0},
        {"1e3", 1000.0},
        {"5.", 5.0},
        {"\xC2\xA0"
         "7",
         7.0},
        {"1.79769313486232E+308", kMax},
    };
    for (const auto& c : accepted) expectSameDouble(c.expected, coerceToDouble(c.text), c.text);

    const ErrorCase rejected[] = {
        {"", Error::TypeMismatch},        {"   ", Error::TypeMismatch},
        {"abc", Error::TypeMismatch},     {"2x", Error::TypeMismatch},
        {"1e999x", Error::TypeMismatch},  // the text is wrong before its value is
        {"1e", Error::TypeMismatch},      {".", Error::TypeMismatch},
        {"1,000.5", Error::TypeMismatch}, {"&H", Error::TypeMismatch},
        {"1e999", Error::Overflow},
    };
    for (const auto& c : rejected) {
        try {
            coerceToDouble(c.text);
            ADD_FAILURE() << "'" << c.text << "' was accepted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), c.number) << c.text;
        }
    }
}

std::string messageOf(std::string_view text) {
    try {
        coerceToDouble(text);
    } catch (const RuntimeError& e) {
        return e.what();
    }
    return "";
}

TEST(CoerceToDouble, MessagesQuoteTheTextOrSayTheFieldIsEmpty) {
    EXPECT_EQ(messageOf(""), "Нужно ввести число. Поле пустое.");
    EXPECT_EQ(messageOf("2x"), "Нужно ввести число. Введено: «2x».");
    // A pasted novel is cut short in the message, on a whole letter.
    std::string longText(1000000, 'x');
    EXPECT_EQ(messageOf(longText), "Нужно ввести число. Введено: «" + std::string(40, 'x') + "…».");
    std::string cyrillic;
    for (int i = 0; i < 50; ++i) cyrillic += "ж";
    std::string expected;
    for (int i = 0; i < 40; ++i) expected += "ж";
    EXPECT_EQ(messageOf(cyrillic), "Нужно ввести число. Введено: «" + expected + "…».");
}

TEST(RuntimeError, MessagesNameTheFieldAsTheScreenShowsIt) {
    struct Case {
        RuntimeError error;
        const char* caption;
        const char* expected;
    };
    const Case cases[] = {
        {RuntimeError(Error::TypeMismatch, Detail::EmptyField), "радиус",
         "Нужно ввести число. Поле «радиус» пустое."},
        {RuntimeError(Error::TypeMismatch, Detail::Entered, "2@%x"), "высота",
         "Нужно ввести число. В поле «высота» введено: «2@%x»."},
        {RuntimeError(Error::Overflow, Detail::TooLarge, "1e999"), "первый катет",
         "Переполнение. Число в поле «первый катет» слишком велико: «1e999»."},
        {RuntimeError(Error::TypeMismatch, Detail::EmptyField), "",
         "Нужно ввести число. Поле пустое."},
        {RuntimeError(Error::TypeMismatch, Detail::Entered, "a@b"), "",
         "Нужно ввести число. Введено: «a@b»."},
        {RuntimeError(Error::Overflow, Detail::Area), "радиус",
         "Переполнение. Не удалось найти площадь."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.error.messageNaming(c.caption), c.expected) << c.caption;
}

struct TextCase {
    double value;
    const char* expected;
};

TEST(TextOf, FifteenSignificantDigitsAndTheExponentRule) {
    const TextCase cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {5.0, "5"},
        {-2.0, "-2"},
        {0.5, "0.5"},
        {5 * 3.14, "15.7"},  // 15.700000000000001 to 15 digits
        {(2 * 6.28) * 5, "62.8"},
        {6.28e200, "6.28E+200"},
        {1e-5, "1E-05"},
        {1e-4, "0.0001"},
        {0.00012345, "0.00012345"},
        {1e15, "1E+15"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {999999999999999.5, "1E+15"},   // rounding moves it to exponent form
        {1000000000000005.0, "1E+15"},  // a tie rounds to even
        {1000000000000015.0, "1.00000000000002E+15"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {-1234.5678, "-1234.5678"},
        {DBL_MAX, "1.79769313486232E+308"},
        {kTiny, "4.94065645841247E-324"},
        {1e100, "1E+100"},
        {1.5e-10, "1.5E-10"},
    };
    for (const auto& c : cases) EXPECT_EQ(textOf(c.value), c.expected) << c.value;
}

std::string digitsAfterZeros(const char* head, std::size_t zeros, const char* digits) {
    return head + std::string(zeros, '0') + digits;
}

TEST(PositionalText, RoundedLikeTheDecimalRow) {
    const double belowOne = 1.0 - 0x1p-53;  // 0.777777777777777776 in octal
    const struct {
        double value;
        std::string octal;
        std::string hex;
    } cases[] = {
        {0.0, "0", "0"},
        {-0.0, "0", "0"},
        {15.0, "17", "F"},
        {7.0 / 2.0, "3.4", "3.8"},
        {-2.0, "-2", "-2"},
        {255.75, "377.6", "FF.C"},
        {0.1, "0.063146314631463146", "0.199999999999A"},  // octal: a tie, kept even
        {-0.1, "-0.063146314631463146", "-0.199999999999A"},
        {0.1 + 0.2, "0.23146314631463146", "0.4CCCCCCCCCCCD"},
        {1.0 / 3.0, "0.25252525252525253", "0.5555555555555"},
        {2.0 / 3.0, "0.52525252525252525", "0.AAAAAAAAAAAAA"},  // hex: ...A|8, a tie
        {belowOne, "1", "1"},                                   // the carry makes a new whole digit
        {-belowOne, "-1", "-1"},
        {0x1p53 - 1, "400000000000000000", "20000000000000"},
        {0x1p51 + 4, "100000000000000000", "8000000000004"},    // octal tie to even: down
        {0x1p51 + 12, "100000000000000020", "800000000000C"},   // octal tie to even: up
        {0x1p52 + 8, "200000000000000010", "10000000000000"},   // hex tie to even: down
        {0x1p52 + 24, "200000000000000030", "10000000000020"},  // hex tie to even: up
        {4294967296.0, "40000000000", "100000000"},
        {-4294967297.0, "-40000000001", "-100000001"},
        {1e20, "12657072742654304000000", "56BC75E2D63100000"},
        {1e20 * 1e20, "165431237070327120000000000000000000000000000",
         "1D6329F1C35CA000000000000000000000"},
        {kMax, "2" + std::string(341, '0'), "1" + std::string(256, '0')},  // rounds up to 2^1024
        {kTiny, digitsAfterZeros("0.", 357, "1"), digitsAfterZeros("0.", 268, "4")},
        {1e-300, digitsAfterZeros("0.", 332, "52670376057436326"),
         digitsAfterZeros("0.", 249, "AB70FE17C79AC")},
        {HUGE_VAL, "∞", "∞"},  // non-finite values read the same in every base
        {-HUGE_VAL, "-∞", "-∞"},
        {std::nan(""), "NaN", "NaN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(octalText(c.value), c.octal) << c.value;
        EXPECT_EQ(hexText(c.value), c.hex) << c.value;
    }
}

// Reads an octal or hexadecimal text as written above, exactly, by regrouping its digits
// into a hexadecimal text that from_chars takes.
TEST(NumberForm, BitsRegroupedBothWays) {
    const struct {
        const char* digits;
        int bitsPerDigit;
        const char* bits;
        int otherBits;
        const char* regrouped;  // zeros put before the first digit to make it whole
    } cases[] = {
        {"17", 3, "001111", 4, "0F"},    {"377", 3, "011111111", 4, "0FF"},
        {"FF", 4, "11111111", 3, "377"}, {"1", 4, "0001", 3, "01"},
        {"7", 3, "111", 3, "7"},         {"", 3, "", 4, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bitsOf(c.digits, c.bitsPerDigit), c.bits) << c.digits;
        EXPECT_EQ(digitsOfBits(c.bits, c.otherBits), c.regrouped) << c.digits;
    }
}

double readPositional(std::string text, int bitsPerDigit) {
    bool negative = !text.empty() && text[0] == '-';
    if (negative) text.erase(0, 1);
    std::size_t point = text.find('.');
    std::string integer = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    auto bitsOf = [&](const std::string& digits) {
        std::string bits;
        for (char c : digits) {
            int v = c <= '9' ? c - '0' : c - 'A' + 10;
            for (int i = bitsPerDigit - 1; i >= 0; --i) bits += char('0' + ((v >> i) & 1));
        }
        return bits;
    };
    std::string high = bitsOf(integer), low = bitsOf(fraction);
    high.insert(0, (4 - high.size() % 4) % 4, '0');
    low.append((4 - low.size() % 4) % 4, '0');
    auto hexOf = [](const std::string& bits) {
        std::string hex;
        for (std::size_t i = 0; i < bits.size(); i += 4) {
            hex +=
                calc::kDigits[static_cast<std::size_t>(std::stoi(bits.substr(i, 4), nullptr, 2))];
        }
        return hex;
    };
    std::string hex = hexOf(high) + "." + hexOf(low);
    double value = 0;
    std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    return negative ? -value : value;
}

// `text` has at most `most` significant digits and is the value nearest to x that has them,
// ties going to an even last digit.
void expectNearestWithDigits(double x, const std::string& text, int bitsPerDigit, int most) {
    std::string digits;
    for (char c : text) {
        if (c != '-' && c != '.') digits += c;
    }
    std::size_t first = digits.find_first_not_of('0');
    std::size_t last = digits.find_last_not_of('0');
    ASSERT_LE(static_cast<int>(last - first + 1), most) << text;
    double shown = readPositional(text, bitsPerDigit);
    if (std::isinf(shown)) return;  // the largest doubles may round past the range
    int topDigit = static_cast<int>(std::floor(std::ilogb(x) / double(bitsPerDigit)));
    double halfUnit = std::ldexp(0.5, (topDigit - most + 1) * bitsPerDigit);
    double error = std::fabs(shown - x);  // exact: the two are within a factor of two
    ASSERT_LE(error, halfUnit) << text << " for " << x;
    int lastDigit = digits[last] <= '9' ? digits[last] - '0' : digits[last] - 'A' + 10;
    bool full = static_cast<int>(last - first + 1) == most;  // else the last place holds 0
    if (error == halfUnit && error > 0 && full) {
        EXPECT_EQ(lastDigit % 2, 0) << text << " is a tie kept odd";
    }
}

TEST(RoundTrips, OverManyRandomDoubles) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 100000; ++i) {
        double x = randomFiniteDouble(random);
        std::string text = textOf(x);
        ASSERT_EQ(textOf(valueOf(text)), text) << "x = " << x;
        expectNearestWithDigits(x, octalText(x), 3, 17);
        expectNearestWithDigits(x, hexText(x), 4, 13);
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(DecimalSeparator, CommaIsWrittenEverywhereAndReadBack) {
    SeparatorGuard comma(',');
    EXPECT_EQ(textOf(62.800000000000004), "62,8");
    EXPECT_EQ(textOf(6.28e-200), "6,28E-200");
    EXPECT_EQ(octalText(3.5), "3,4");
    EXPECT_EQ(hexText(3.5), "3,8");
    EXPECT_EQ(valueOf("62,8"), 62.8);
    EXPECT_EQ(valueOf("62.8"), 62.8);  // reading takes both
    std::mt19937_64 random(7);
    for (int i = 0; i < 10000; ++i) {
        double x = randomFiniteDouble(random);
        ASSERT_EQ(textOf(valueOf(textOf(x))), textOf(x)) << x;
    }
}

TEST(DecimalSeparator, OnlyPointOrComma) {
    SeparatorGuard point('.');
    EXPECT_THROW(setDecimalSeparator(';'), RuntimeError);
    EXPECT_EQ(decimalSeparator(), '.');
}

}  // namespace
}  // namespace calc
