#include "screens/frame/twips.h"

namespace screens {

int pixelsOf(int twips) {
    // Round half away from zero; table values are never negative.
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QRect pixelRect(int left, int top, int width, int height) {
    const int x = pixelsOf(left);
    const int y = pixelsOf(top);
    return {x, y, pixelsOf(left + width) - x, pixelsOf(top + height) - y};
}

QSize pixelSize(int width, int height) {
    return {pixelsOf(width), pixelsOf(height)};
}

}  // namespace screens
