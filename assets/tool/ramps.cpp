#include "ramps.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "failure.h"

namespace drawing {

namespace {

constexpr double kHalf = 0.5;  // a pixel's centre lies half a pixel from its left edge

int mix(int from, int to, double t) {
    return static_cast<int>(std::lround(from + (to - from) * t));
}

QRgb colourAt(std::span<const ColourStop> stops, double x) {
    const auto next = std::find_if(stops.begin(), stops.end(),
                                   [x](const ColourStop& stop) { return stop.x >= x; });
    if (next == stops.end() || (next == stops.begin() && next->x != x))
        throw failure(QStringLiteral("gradient stops do not cover the column"));
    if (next->x == x) return next->colour;
    const ColourStop& before = *(next - 1);
    const double t = (x - before.x) / double(next->x - before.x);
    return qRgb(mix(qRed(before.colour), qRed(next->colour), t),
                mix(qGreen(before.colour), qGreen(next->colour), t),
                mix(qBlue(before.colour), qBlue(next->colour), t));
}

}  // namespace

void fillRamp(QImage& image, std::span<const ColourStop> stops, int first, int last, int scale) {
    QPainter painter(&image);
    for (int column = first * scale; column < (last + 1) * scale; ++column) {
        const double x = std::clamp((column + kHalf) / scale - kHalf, double(first), double(last));
        painter.fillRect(column, 0, 1, image.height(), QColor(colourAt(stops, x)));
    }
}

}  // namespace drawing
