#pragma once

#include <QPixmap>
#include <optional>

#include "assets/pictures.h"

namespace screens {

// A built-in picture for a screen of the given device pixel ratio: above 1 the file drawn at
// twice the size, shown pixel for pixel. Each file is decoded once and then shared.
QPixmap loadPicture(assets::Picture picture, qreal devicePixelRatio);

// A picture a widget shows: loaded when first drawn, not when the widget is made, and again
// when the widget moves to a screen of another density.
class ShownPicture {
  public:
    explicit ShownPicture(std::optional<assets::Picture> picture) : picture_(picture) {}
    const QPixmap& at(qreal devicePixelRatio);

  private:
    std::optional<assets::Picture> picture_;
    QPixmap pixmap_;
};

}  // namespace screens
