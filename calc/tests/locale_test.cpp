// The conversions ignore the C library's locale: the toolkit switches the process to the
// desktop's locale at start-up, where strtod and printf read and write commas.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <locale>
#include <stdexcept>

#include "calc/calc.h"
#include "calc/tests/field_table.h"

namespace calc {
namespace {

#ifdef _WIN32
constexpr const char* kRussian = "Russian_Russia.1251";  // Windows names locales this way
#else
constexpr const char* kRussian = "ru_RU.UTF-8";
#endif

TEST(Locale, RussianProcessLocaleChangesNothing) {
    if (std::setlocale(LC_ALL, kRussian) == nullptr) GTEST_SKIP() << "no " << kRussian;
    try {
        std::locale::global(std::locale(kRussian));
    } catch (const std::runtime_error&) {
        // MinGW's C++ library knows no named locales; the C runtime's one still applies.
    }
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 2.5);
    ASSERT_STREQ(printed, "2,5") << "the locale did not take effect";

    EXPECT_EQ(textOf(2.5), "2.5");
    EXPECT_EQ(textOf(6.28e200), "6.28E+200");
    EXPECT_EQ(valueOf("2.5"), 2.5);
    EXPECT_EQ(valueOf("2,5"), 2.5);
    EXPECT_EQ(coerceToDouble("1.5e3"), 1500.0);
    EXPECT_EQ(hexText(3.5), "3.8");
    testing::FieldTable cylinder(testing::geometryFields("2", "3"));
    computeCylinder(cylinder);
    EXPECT_EQ(cylinder.texts().at("txt4"), "62.8");
    std::setlocale(LC_ALL, "C");
    std::locale::global(std::locale::classic());
}

}  // namespace
}  // namespace calc
