#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace drawing {

// The face shared by every captioned button: a blue gradient, no text.
QImage drawButtonFace();

struct OperatorSign {
    QString fileName;
    QImage image;
};

// The plus, minus, times and division faces of the calculator's operator buttons.
std::vector<OperatorSign> drawOperatorSigns();

}  // namespace drawing
