#pragma once

#include <QRect>
#include <QSize>

namespace screens {

// Tables are in twips: 15 to a pixel at 96 pixels to the inch.
inline constexpr int kTwipsPerPixel = 15;

// Edges are rounded to the nearest pixel one by one, so controls that touch in twips touch on
// screen and a size never changes with its position.
int pixelsOf(int twips);
QRect pixelRect(int left, int top, int width, int height);
QSize pixelSize(int width, int height);

}  // namespace screens
