#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "assets/pictures.h"
#include "typeface.h"

namespace drawing {

// One word or line painted on a background, its ink filling the box (left, top, right, bottom
// pixels, inclusive).
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

// Paints the texts in black, boxes in picture pixels of `scale` image pixels. Throws when ink
// leaves its box, so that a changed typeface cannot move a word under a control.
void paintTexts(QImage& image, const std::vector<PaintedText>& texts, const Typeface& typeface,
                int scale = 1);

}  // namespace drawing
