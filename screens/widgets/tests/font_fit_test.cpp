// The point size a text is drawn at to fit its room: the largest on the steps down from the
// font's own, never below the smallest allowed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <cmath>
#include <random>

#include "screens/widgets/font_fit.h"

namespace screens {
namespace {

bool fits(QFont font, qreal pointSize, const QString& text, int width) {
    font.setPointSizeF(pointSize);
    return QFontMetrics(font).horizontalAdvance(text) <= width;
}

TEST(FontFit, LargestStepThatFitsAndNeverBelowTheSmallest) {
    std::mt19937 random(23);
    QFont font = QApplication::font();
    for (int i = 0; i < 2'000; ++i) {
        const qreal start = 6 + 0.25 * std::uniform_int_distribution(0, 40)(random);
        const qreal smallest = std::uniform_int_distribution(0, 1)(random) ? 6 : start * 0.8;
        const qreal step = std::uniform_int_distribution(0, 1)(random) ? 0.5 : 0.25;
        const QString text(std::uniform_int_distribution(0, 40)(random), QChar(u'а' + i % 32));
        const int width = std::uniform_int_distribution(0, 300)(random);
        font.setPointSizeF(start);
        const qreal size = fittingPointSize(font, text, width, smallest, step);
        const auto where = ::testing::Message() << text.size() << " letters in " << width
                                                << " px from " << start << " pt: " << size;
        ASSERT_GE(size, std::min(start, smallest)) << where;
        ASSERT_LE(size, start) << where;
        if (size > smallest) {
            ASSERT_TRUE(fits(font, size, text, width)) << where;
            ASSERT_DOUBLE_EQ(std::remainder(start - size, step), 0) << where << ", off the steps";
        }
        // The size tried before this one did not fit.
        const qreal lowestStep = start - step * (std::ceil((start - smallest) / step - 1e-9) - 1);
        if (size < start) {
            ASSERT_FALSE(fits(font, size > smallest ? size + step : lowestStep, text, width))
                << where;
        }
    }
}

}  // namespace
}  // namespace screens
