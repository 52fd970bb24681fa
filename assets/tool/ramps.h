#pragma once

#include <QImage>
#include <QRgb>
#include <span>

namespace drawing {

// A colour that a horizontal gradient passes through at one pixel column.
struct ColourStop {
    int x;
    QRgb colour;
};

// Fills columns first to last (inclusive) of every row with the colour interpolated
// between the stops, which must be in rising x and cover those columns. The colour is
// computed per whole pixel column, so a stop's column gets exactly the stop's colour.
void fillRamp(QImage& image, std::span<const ColourStop> stops, int first, int last);

}  // namespace drawing
