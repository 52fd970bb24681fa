#pragma once

#include <QPixmap>

#include "assets/pictures.h"

namespace screens {

// A built-in picture for a screen of the given device pixel ratio: above 1 the file drawn at
// twice the size ("name@2x.jpg"), marked as such, so that a high-density screen shows it pixel
// for pixel; otherwise the picture itself. Each file is decoded once and then shared.
QPixmap loadPicture(assets::Picture picture, qreal devicePixelRatio);

// Whether a loaded picture suits a screen of that ratio.
bool suitsRatio(const QPixmap& picture, qreal devicePixelRatio);

}  // namespace screens
