// The separator numbers are written with follows the user's locale.
#include <gtest/gtest.h>

#include "app/decimal_separator.h"

namespace app {
namespace {

TEST(DecimalSeparator, FollowsTheLocale) {
    const struct {
        QLocale::Language language;
        QLocale::Territory territory;
        char separator;
    } cases[] = {
        {QLocale::Russian, QLocale::Russia, ','},
        {QLocale::Ukrainian, QLocale::Ukraine, ','},
        {QLocale::German, QLocale::Germany, ','},
        {QLocale::English, QLocale::UnitedStates, '.'},
        {QLocale::C, QLocale::AnyTerritory, '.'},
        {QLocale::Arabic, QLocale::Egypt, '.'},  // neither comma nor point: the point
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decimalSeparatorOf(QLocale(c.language, c.territory)), c.separator)
            << QLocale(c.language, c.territory).name().toStdString();
    }
}

}  // namespace
}  // namespace app
