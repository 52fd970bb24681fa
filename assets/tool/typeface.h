#pragma once

#include <QPainterPath>
#include <QRawFont>
#include <QString>

namespace drawing {

// How one painted text is set: the em size in pixels, extra pixels after every letter, and a
// horizontal scale that makes letters narrower (below 1) or wider (above 1) than the face's own.
struct TextStyle {
    double pixelSize;
    double letterSpacing;
    double widthScale;
};

// A typeface loaded from one named file. Loading straight from the file means no font
// substitution can ever pick another face behind our back.
class Typeface {
  public:
    // Throws std::runtime_error naming the file when it is missing or not a usable font.
    static Typeface load(const QString& fileName);

    // The outline of the text set in the style, with the origin at the start of the baseline.
    // Throws std::runtime_error when the face has no letter for a character of the text.
    QPainterPath outline(const QString& text, const TextStyle& style) const;

  private:
    explicit Typeface(QRawFont font) : font_(std::move(font)) {}

    QRawFont font_;
};

}  // namespace drawing
