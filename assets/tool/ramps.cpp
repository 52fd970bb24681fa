#include "ramps.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace drawing {

namespace {

int mix(int from, int to, double t) {
    return static_cast<int>(std::lround(from + (to - from) * t));
}

QRgb colourAt(std::span<const ColourStop> stops, int x) {
    const auto next = std::find_if(stops.begin(), stops.end(),
                                   [x](const ColourStop& stop) { return stop.x >= x; });
    if (next == stops.end() || (next == stops.begin() && next->x != x))
        throw std::logic_error("gradient stops do not cover the column");
    if (next->x == x) return next->colour;
    const ColourStop& before = *(next - 1);
    const double t = double(x - before.x) / double(next->x - before.x);
    return qRgb(mix(qRed(before.colour), qRed(next->colour), t),
                mix(qGreen(before.colour), qGreen(next->colour), t),
                mix(qBlue(before.colour), qBlue(next->colour), t));
}

}  // namespace

void fillRamp(QImage& image, std::span<const ColourStop> stops, int first, int last) {
    QPainter painter(&image);
    for (int x = first; x <= last; ++x)
        painter.fillRect(x, 0, 1, image.height(), QColor(colourAt(stops, x)));
}

}  // namespace drawing
