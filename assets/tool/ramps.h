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
// At a scale above 1 the image has that many pixels to a column and each is coloured at its
// own centre, so the gradient is finer, not enlarged.
void fillRamp(QImage& image, std::span<const ColourStop> stops, int first, int last, int scale = 1);

}  // namespace drawing
