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

// Fills columns first to last (inclusive) with the colour interpolated between the stops (rising
// x); at a scale above 1 each image pixel takes the colour at its own centre.
void fillRamp(QImage& image, std::span<const ColourStop> stops, int first, int last, int scale = 1);

}  // namespace drawing
