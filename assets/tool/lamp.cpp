#include "lamp.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace drawing {

namespace {

// The design is laid out on a 128 x 128 grid and scaled to the size being drawn.
constexpr double kGrid = 128.0;
// The lamp's arm and the pad's edge keep at least this width in pixels, so that at the
// smallest sizes they stay visible lines instead of fading into a faint blur.
constexpr double kThinnestStroke = 1.2;
constexpr double kArmWidth = 6.0;
constexpr double kPadEdgeWidth = 2.0;

const QColor kPadBlue(150, 205, 245, 150);
const QColor kPadEdge(70, 140, 200, 190);
const QColor kPaper(255, 255, 255);
const QColor kPaperEdge(150, 160, 175);
const QColor kWriting(120, 130, 150);
const QColor kBeam(255, 250, 215, 110);
const QColor kGlossBlack(12, 12, 14);
const QColor kGlossGrey(95, 98, 105);
const QColor kHighlight(255, 255, 255, 150);
const QColor kJointOrange(245, 140, 20);
const QColor kPencilYellow(250, 180, 30);
const QColor kPencilOrange(230, 120, 20);
const QColor kPencilWood(240, 205, 150);
const QColor kGraphite(40, 40, 45);

QLinearGradient gloss(QPointF from, QPointF to) {
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, kGlossGrey);
    gradient.setColorAt(0.45, kGlossBlack);
    gradient.setColorAt(1.0, kGlossBlack);
    return gradient;
}

// A stroke width on the grid, widened where it would be thinner than a pixel or so.
double strokeWidth(double width, int size) {
    return std::max(width, kThinnestStroke * kGrid / size);
}

void paintPad(QPainter& painter, int size) {
    // A square pad seen from slightly above, so it lies as a flattened parallelogram.
    const QPolygonF pad{{20, 74}, {104, 74}, {92, 122}, {6, 122}};
    painter.setPen(QPen(kPadEdge, strokeWidth(kPadEdgeWidth, size), Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(kPadBlue);
    painter.drawPolygon(pad);
}

void paintPaper(QPainter& painter) {
    const QPolygonF sheet{{30, 80}, {86, 78}, {80, 116}, {20, 117}};
    painter.setPen(QPen(kPaperEdge, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kPaper);
    painter.drawPolygon(sheet);
    painter.setPen(QPen(kWriting, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(32, 88, 72, 87));
    painter.drawLine(QLineF(30, 96, 66, 95.5));
    painter.drawLine(QLineF(28, 104, 52, 103.6));
}

void paintBeam(QPainter& painter) {
    const QPolygonF beam{{22, 44}, {54, 40}, {84, 112}, {16, 114}};
    QLinearGradient fade(38, 42, 50, 114);
    fade.setColorAt(0.0, kBeam);
    fade.setColorAt(1.0, QColor(kBeam.red(), kBeam.green(), kBeam.blue(), 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fade);
    painter.drawPolygon(beam);
}

void paintLamp(QPainter& painter, int size) {
    // The arm: up from the base, then left to the shade.
    QPainterPath arm;
    arm.moveTo(108, 104);
    arm.lineTo(108, 22);
    arm.quadTo(108, 14, 100, 14);
    arm.lineTo(44, 14);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kGlossBlack, strokeWidth(kArmWidth, size), Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(arm);
    painter.setPen(QPen(kHighlight, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QLineF(106, 100, 106, 24));

    // The shade hangs from the arm's end and opens downwards.
    QPainterPath shade;
    shade.moveTo(32, 12);
    shade.cubicTo(40, 8, 48, 10, 50, 16);
    shade.lineTo(58, 42);
    shade.cubicTo(46, 48, 28, 50, 18, 46);
    shade.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss(QPointF(24, 14), QPointF(56, 44)));
    painter.drawPath(shade);
    painter.setPen(QPen(kHighlight, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(33, 17, 26, 40));

    // The dome-shaped base with its orange joint.
    QPainterPath base;
    base.moveTo(88, 122);
    base.cubicTo(88, 100, 128, 100, 126, 122);
    base.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss(QPointF(96, 104), QPointF(120, 122)));
    painter.drawPath(base);
    painter.setBrush(kJointOrange);
    painter.drawEllipse(QPointF(108, 104), 5.5, 5.5);
}

void paintPencil(QPainter& painter) {
    // Drawn along the x axis, then turned so its point rests on the sheet.
    painter.save();
    painter.translate(54, 103);
    painter.rotate(-55);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPencilWood);
    painter.drawPolygon(QPolygonF{{0, 0}, {10, -4}, {10, 4}});
    painter.setBrush(kGraphite);
    painter.drawPolygon(QPolygonF{{0, 0}, {3.5, -1.4}, {3.5, 1.4}});
    QLinearGradient body(0, -4, 0, 4);
    body.setColorAt(0.0, kPencilYellow);
    body.setColorAt(1.0, kPencilOrange);
    painter.setBrush(body);
    painter.drawRect(QRectF(10, -4, 36, 8));
    painter.restore();
}

}  // namespace

QImage drawLampIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    paintPad(painter, size);
    paintPaper(painter);
    paintBeam(painter);
    paintPencil(painter);
    paintLamp(painter, size);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace drawing
