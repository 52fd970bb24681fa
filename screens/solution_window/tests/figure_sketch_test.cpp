// The solution's sketch: the triangle drawn in the pupil's proportions where they can be seen.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "screens/solution_window/figure_sketch.h"
#include "screens/tables/screen_tables.h"

namespace screens {
namespace {

// The longest straight run of dark pixels across (or down) the drawing: a leg of the triangle.
int longestRun(const QImage& image, bool across) {
    const int lines = across ? image.height() : image.width();
    const int length = across ? image.width() : image.height();
    int longest = 0;
    for (int line = 0; line < lines; ++line) {
        int run = 0;
        for (int i = 0; i < length; ++i) {
            const QPoint at = across ? QPoint(i, line) : QPoint(line, i);
            run = qGray(image.pixel(at)) < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

TEST(FigureSketch, TheTriangleHasThePupilsLegsUpToTwentyToOne) {
    const struct {
        double a, b;
        double drawn;  // b across to a up, as drawn
    } cases[] = {
        {3, 4, 4.0 / 3},  {1, 8, 8},       {8, 1, 1.0 / 8},   // the pupil's
        {1, 21, 4.0 / 3}, {0, 5, 4.0 / 3}, {-3, 4, 4.0 / 3},  // the usual shape
    };
    for (const auto& c : cases) {
        FigureSketch sketch(tableOf(ScreenId::Triangle).figure, nullptr);
        sketch.resize(600, 300);
        calc::Working working;
        working.results.push_back({"txt4", {{"a", c.a}, {"b", c.b}}, {}, ""});
        sketch.setWorking(&working);
        const QImage image = sketch.grab().toImage();
        const double across = longestRun(image, true), up = longestRun(image, false);
        EXPECT_NEAR(across / up, c.drawn, c.drawn * 0.15) << c.a << " and " << c.b;
    }
}

}  // namespace
}  // namespace screens
