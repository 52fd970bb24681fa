// The school method's steps: each one exact, and together exactly the field's digits.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "calc/calc.h"
#include "random_double.h"

namespace calc {
namespace {

std::string fieldDigits(double value, int base) {
    std::string text = base == 8 ? octalText(std::fabs(value)) : hexText(std::fabs(value));
    std::size_t point = text.find('.');
    return point == std::string::npos ? text : text.erase(point, 1);
}

// Runs the ladder forwards with the operations a pupil does and collects its digits.
std::string digitsOfTheSteps(const BaseConversion& conversion, int base) {
    std::string remainders;
    double dividend = conversion.divisions.empty() ? 0.0 : conversion.divisions.front().dividend;
    for (const DivisionStep& step : conversion.divisions) {
        EXPECT_EQ(step.dividend, dividend);
        EXPECT_EQ(step.quotient, std::floor(step.dividend / base));
        EXPECT_EQ(step.remainder, step.dividend - step.quotient * base);
        remainders.insert(remainders.begin(), "0123456789ABCDEF"[step.remainder]);
        dividend = step.quotient;
    }
    EXPECT_EQ(dividend, 0.0) << "the division stops at quotient 0";
    std::string digits = remainders.empty() ? "0" : remainders;
    double fraction =
        conversion.multiplications.empty() ? 0.0 : conversion.multiplications[0].fraction;
    for (const MultiplicationStep& step : conversion.multiplications) {
        EXPECT_EQ(step.fraction, fraction);
        EXPECT_EQ(step.product, step.fraction * base);
        EXPECT_EQ(step.digit, std::floor(step.product));
        digits += "0123456789ABCDEF"[step.digit];
        fraction = step.product - step.digit;
    }
    EXPECT_EQ(fraction, 0.0) << "the multiplication stops when no fraction is left";
    return digits;
}

TEST(BaseConversion, EveryStepIsExactAndTheDigitsAreTheFields) {
    std::mt19937_64 random(17);
    for (int i = 0; i < 20000; ++i) {
        double x = randomFiniteDouble(random);
        for (int base : {8, 16}) {
            BaseConversion conversion = baseConversion(x, base);
            if (std::isinf(conversion.magnitude)) continue;  // the few that round to 2^1024
            ASSERT_EQ(digitsOfTheSteps(conversion, base), fieldDigits(x, base)) << x;
            ASSERT_EQ(conversion.digits.negative, x < 0) << x;
        }
    }
}

TEST(BaseConversion, OnlyOctalAndHexadecimal) {
    EXPECT_THROW(baseConversion(1.0, 10), RuntimeError);
}

}  // namespace
}  // namespace calc
