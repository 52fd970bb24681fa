#include "lamp.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <span>

namespace drawing {

namespace {

// The design is laid out on a 128 x 128 grid and scaled to the size being drawn.
constexpr double kGrid = 128.0;

// Shapes on the grid.
// The square pad seen from slightly above, so it lies as a flattened parallelogram.
constexpr std::array kPad{QPointF(20, 74), QPointF(104, 74), QPointF(92, 122), QPointF(6, 122)};
constexpr std::array kSheet{QPointF(30, 80), QPointF(86, 78), QPointF(80, 116), QPointF(20, 117)};
constexpr std::array kWriting{QLineF(32, 88, 72, 87), QLineF(30, 96, 66, 95.5),
                              QLineF(28, 104, 52, 103.6)};
constexpr std::array kBeam{QPointF(22, 44), QPointF(54, 40), QPointF(84, 112), QPointF(16, 114)};
constexpr QLineF kBeamFade(38, 42, 50, 114);
// The arm rises from the base, bends and runs left to the shade.
constexpr QPointF kArmFoot(108, 104);
constexpr QPointF kArmBendStart(108, 22);
constexpr QPointF kArmBendControl(108, 14);
constexpr QPointF kArmBendEnd(100, 14);
constexpr QPointF kArmEnd(44, 14);
constexpr QLineF kArmShine(106, 100, 106, 24);
// The shade hangs from the arm's end and opens downwards: top, outer side, mouth.
constexpr QPointF kShadeTop(32, 12);
constexpr std::array kShadeCrown{QPointF(40, 8), QPointF(48, 10), QPointF(50, 16)};
constexpr QPointF kShadeRim(58, 42);
constexpr std::array kShadeMouth{QPointF(46, 48), QPointF(28, 50), QPointF(18, 46)};
constexpr QLineF kShadeGloss(24, 14, 56, 44);
constexpr QLineF kShadeShine(33, 17, 26, 40);
// The dome-shaped base and the orange joint where the arm meets it.
constexpr QPointF kBaseLeft(88, 122);
constexpr std::array kBaseDome{QPointF(88, 100), QPointF(128, 100), QPointF(126, 122)};
constexpr QLineF kBaseGloss(96, 104, 120, 122);
constexpr double kJointRadius = 5.5;
// The pencil lies along the x axis from its point at the origin, then is turned onto the sheet.
constexpr QPointF kPencilPoint(54, 103);
constexpr double kPencilAngle = -55.0;
constexpr std::array kPencilWood{QPointF(0, 0), QPointF(10, -4), QPointF(10, 4)};
constexpr std::array kPencilLead{QPointF(0, 0), QPointF(3.5, -1.4), QPointF(3.5, 1.4)};
constexpr QRectF kPencilBody(10, -4, 36, 8);

// Stroke widths on the grid. The arm and the pad's edge keep at least a pixel or so at the
// smallest sizes, so that they stay lines instead of fading into a faint blur.
constexpr double kThinnestStroke = 1.2;
constexpr double kArmWidth = 6.0;
constexpr double kPadEdgeWidth = 2.0;
constexpr double kPaperEdgeWidth = 1.2;
constexpr double kWritingWidth = 1.6;
constexpr double kArmShineWidth = 1.5;
constexpr double kShadeShineWidth = 2.0;

const QColor kPadBlue(150, 205, 245, 150);
const QColor kPadEdge(70, 140, 200, 190);
const QColor kPaper(255, 255, 255);
const QColor kPaperEdge(150, 160, 175);
const QColor kWritingGrey(120, 130, 150);
const QColor kBeamNear(255, 250, 215, 110);
const QColor kBeamFar(255, 250, 215, 40);
const QColor kGlossBlack(12, 12, 14);
const QColor kGlossGrey(95, 98, 105);
constexpr double kGlossFalloff = 0.45;
const QColor kShine(255, 255, 255, 150);
const QColor kJointOrange(245, 140, 20);
const QColor kPencilYellow(250, 180, 30);
const QColor kPencilOrange(230, 120, 20);
const QColor kPencilWoodColour(240, 205, 150);
const QColor kGraphite(40, 40, 45);

QPolygonF polygon(std::span<const QPointF> corners) {
    return QPolygonF(QList<QPointF>(corners.begin(), corners.end()));
}

QLinearGradient gradient(const QLineF& along, const QColor& from, const QColor& to) {
    QLinearGradient g(along.p1(), along.p2());
    g.setColorAt(0.0, from);
    g.setColorAt(1.0, to);
    return g;
}

QLinearGradient gloss(const QLineF& along) {
    QLinearGradient g = gradient(along, kGlossGrey, kGlossBlack);
    g.setColorAt(kGlossFalloff, kGlossBlack);
    return g;
}

QPen roundPen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A stroke width on the grid, widened where it would be thinner than kThinnestStroke pixels.
double strokeWidth(double width, int size) {
    return std::max(width, kThinnestStroke * kGrid / size);
}

void paintPad(QPainter& painter, int size) {
    painter.setPen(roundPen(kPadEdge, strokeWidth(kPadEdgeWidth, size)));
    painter.setBrush(kPadBlue);
    painter.drawPolygon(polygon(kPad));
}

void paintPaper(QPainter& painter) {
    painter.setPen(roundPen(kPaperEdge, kPaperEdgeWidth));
    painter.setBrush(kPaper);
    painter.drawPolygon(polygon(kSheet));
    painter.setPen(roundPen(kWritingGrey, kWritingWidth));
    for (const QLineF& line : kWriting) painter.drawLine(line);
}

void paintBeam(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient(kBeamFade, kBeamNear, kBeamFar));
    painter.drawPolygon(polygon(kBeam));
}

void paintArm(QPainter& painter, int size) {
    QPainterPath arm(kArmFoot);
    arm.lineTo(kArmBendStart);
    arm.quadTo(kArmBendControl, kArmBendEnd);
    arm.lineTo(kArmEnd);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(kGlossBlack, strokeWidth(kArmWidth, size)));
    painter.drawPath(arm);
    painter.setPen(roundPen(kShine, kArmShineWidth));
    painter.drawLine(kArmShine);
}

// The lamp's black parts: a path filled with a glossy gradient and no outline.
void fillGlossy(QPainter& painter, const QPainterPath& path, const QLineF& along) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss(along));
    painter.drawPath(path);
}

void paintShade(QPainter& painter) {
    QPainterPath shade(kShadeTop);
    shade.cubicTo(kShadeCrown[0], kShadeCrown[1], kShadeCrown[2]);
    shade.lineTo(kShadeRim);
    shade.cubicTo(kShadeMouth[0], kShadeMouth[1], kShadeMouth[2]);
    shade.closeSubpath();
    fillGlossy(painter, shade, kShadeGloss);
    painter.setPen(roundPen(kShine, kShadeShineWidth));
    painter.drawLine(kShadeShine);
}

void paintBase(QPainter& painter) {
    QPainterPath base(kBaseLeft);
    base.cubicTo(kBaseDome[0], kBaseDome[1], kBaseDome[2]);
    base.closeSubpath();
    fillGlossy(painter, base, kBaseGloss);
    painter.setBrush(kJointOrange);
    painter.drawEllipse(kArmFoot, kJointRadius, kJointRadius);
}

void paintPencil(QPainter& painter) {
    painter.save();
    painter.translate(kPencilPoint);
    painter.rotate(kPencilAngle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPencilWoodColour);
    painter.drawPolygon(polygon(kPencilWood));
    painter.setBrush(kGraphite);
    painter.drawPolygon(polygon(kPencilLead));
    painter.setBrush(gradient(QLineF(kPencilBody.topLeft(), kPencilBody.bottomLeft()),
                              kPencilYellow, kPencilOrange));
    painter.drawRect(kPencilBody);
    painter.restore();
}

// Qt's conversion out of premultiplied alpha divides with the processor's approximate
// reciprocal, so a value half way between two levels goes up on one machine and down on
// another. Dividing exactly here, halves rounded up, gives the same bytes everywhere.
constexpr int kOpaque = 255;  // the alpha of an opaque pixel, and the largest channel value

QImage straightAlpha(const QImage& premultiplied) {
    QImage image(premultiplied.size(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(from[x]);
            const auto unpremultiplied = [alpha](int channel) {
                return alpha == 0 ? 0 : (channel * kOpaque + alpha / 2) / alpha;
            };
            to[x] = qRgba(unpremultiplied(qRed(from[x])), unpremultiplied(qGreen(from[x])),
                          unpremultiplied(qBlue(from[x])), alpha);
        }
    }
    return image;
}

}  // namespace

QImage drawLampIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    // Back to front: the pad, the sheet on it, the light falling on the sheet, the pencil
    // writing on it, and the lamp above everything.
    paintPad(painter, size);
    paintPaper(painter);
    paintBeam(painter);
    paintPencil(painter);
    paintArm(painter, size);
    paintShade(painter);
    paintBase(painter);
    painter.end();
    return straightAlpha(image);
}

}  // namespace drawing
