#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "assets/pictures.h"

namespace drawing {

// The face shared by every captioned button: a blue gradient, no text. `scale` image pixels
// go to a picture pixel, here and for the signs.
QImage drawButtonFace(int scale = 1);

struct OperatorSign {
    assets::Picture picture;
    QImage image;
};

// The plus, minus, times and division faces of the calculator's operator buttons.
std::vector<OperatorSign> drawOperatorSigns(int scale = 1);

}  // namespace drawing
