#include "faces.h"

#include <QPainter>
#include <array>
#include <functional>

#include "ramps.h"

namespace drawing {

namespace {

constexpr QSize kButtonSize(150, 38);
constexpr std::array kButtonRamp{
    ColourStop{0, qRgb(95, 168, 221)},
    ColourStop{75, qRgb(51, 100, 133)},
    ColourStop{149, qRgb(9, 33, 45)},
};

constexpr QSize kSignSize(20, 20);
constexpr std::array kSignRamp{
    ColourStop{0, qRgb(46, 140, 191)},
    ColourStop{19, qRgb(34, 100, 148)},
};
constexpr QRgb kSymbolNavy = qRgb(0, 6, 21);

// The symbols' strokes are 2 pixels thick and centred on the point between pixels 9 and 10.
constexpr QRect kHorizontalBar(QPoint(5, 9), QPoint(15, 10));
constexpr QRect kVerticalBar(QPoint(9, 5), QPoint(10, 15));
constexpr QRect kUpperDot(QPoint(9, 6), QPoint(10, 7));
constexpr QRect kLowerDot(QPoint(9, 13), QPoint(10, 14));
constexpr double kStroke = 2.0;
// The diagonals' ends lie on the outer edges of the bars' end pixels, so that they cross at
// the very centre, (10, 10).
constexpr QLineF kFallingDiagonal(4.5, 4.5, 15.5, 15.5);
constexpr QLineF kRisingDiagonal(15.5, 4.5, 4.5, 15.5);

using SymbolPainter = std::function<void(QPainter&)>;

void paintRects(QPainter& painter, std::initializer_list<QRect> rects) {
    for (const QRect& rect : rects) painter.fillRect(rect, QColor(kSymbolNavy));
}

void paintDiagonals(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(kSymbolNavy), kStroke, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(kFallingDiagonal);
    painter.drawLine(kRisingDiagonal);
}

QImage drawSign(const SymbolPainter& paintSymbol, int scale) {
    QImage image(kSignSize * scale, QImage::Format_RGB32);
    fillRamp(image, kSignRamp, 0, kSignSize.width() - 1, scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintSymbol(painter);
    return image;
}

}  // namespace

QImage drawButtonFace(int scale) {
    QImage image(kButtonSize * scale, QImage::Format_RGB32);
    fillRamp(image, kButtonRamp, 0, kButtonSize.width() - 1, scale);
    return image;
}

std::vector<OperatorSign> drawOperatorSigns(int scale) {
    return {
        {assets::Picture::PlusSign, drawSign(
                                        [](QPainter& p) {
                                            paintRects(p, {kHorizontalBar, kVerticalBar});
                                        },
                                        scale)},
        {assets::Picture::MinusSign,
         drawSign([](QPainter& p) { paintRects(p, {kHorizontalBar}); }, scale)},
        {assets::Picture::TimesSign, drawSign(paintDiagonals, scale)},
        {assets::Picture::DivisionSign,
         drawSign(
             [](QPainter& p) {
                 paintRects(p, {kHorizontalBar, kUpperDot, kLowerDot});
             },
             scale)},
    };
}

}  // namespace drawing
