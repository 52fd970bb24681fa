#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "assets/pictures.h"
#include "typeface.h"

namespace drawing {

// One word or line painted on a background. The box holds the painted letters (left, top,
// right, bottom pixels, inclusive); the letters are set so that their ink starts at the box's
// top-left corner, and the style is chosen so that the ink fills the box.
struct PaintedText {
    QString text;
    QRect box;
    TextStyle style;
};

struct Background {
    assets::Picture picture;
    std::vector<PaintedText> texts;
};

// The six screen backgrounds, main menu first.
const std::vector<Background>& backgrounds();

// The ground, the two blue bands and the black bar that every background shares, with
// `scale` image pixels to a picture pixel.
QImage drawBackgroundTemplate(int scale = 1);

// Paints the texts in black, with smoothed edges. Throws std::runtime_error when a text's
// ink does not fit its box, so that a changed typeface cannot silently move a word under a
// control. The boxes are in picture pixels, each `scale` image pixels across.
void paintTexts(QImage& image, const std::vector<PaintedText>& texts, const Typeface& typeface,
                int scale = 1);

}  // namespace drawing
