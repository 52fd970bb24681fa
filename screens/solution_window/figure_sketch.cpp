#include "screens/solution_window/figure_sketch.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "screens/widgets/utf8.h"

namespace screens {

namespace {

constexpr int kHeight = 140;         // pixels, the whole drawing
constexpr qreal kMargin = 18;        // room for the letters round the figure
constexpr qreal kMostLegRatio = 20;  // beyond it a triangle is drawn in the usual shape
constexpr QSizeF kUsualLegs{4, 3};   // b across, a up
constexpr qreal kRightAngleMark = 9;
constexpr qreal kEllipseDepth = 0.3;  // an ellipse's height to its width: the circle seen aslant
constexpr qreal kLetterGap = 11;
constexpr qreal kSolidWidth = 1.1;  // a cylinder's or cone's width to its height

// A letter centred on a point, drawn as outlines: it belongs to the drawing, so the text a PDF
// of the page holds is the solution's alone.
void letter(QPainter& painter, QPointF at, const char* text) {
    const QString letter = QString::fromUtf8(text);
    const QFontMetricsF metrics(painter.font(), painter.device());
    QPainterPath outline;
    outline.addText(at.x() - metrics.horizontalAdvance(letter) / 2,
                    at.y() - metrics.height() / 2 + metrics.ascent(), painter.font(), letter);
    painter.fillPath(outline, painter.pen().color());
}

void drawTriangle(QPainter& painter, const QRectF& room, QSizeF legs) {
    const qreal scale = std::min(room.width() / legs.width(), room.height() / legs.height());
    const QSizeF size = legs * scale;
    const QPointF corner(room.center().x() - size.width() / 2,
                         room.center().y() + size.height() / 2);
    const QPointF top = corner - QPointF(0, size.height());
    const QPointF right = corner + QPointF(size.width(), 0);
    painter.drawPolygon(QPolygonF{corner, top, right});
    const qreal mark = std::min({kRightAngleMark, size.width() / 3, size.height() / 3});
    painter.drawPolyline(QPolygonF{corner - QPointF(0, mark), corner + QPointF(mark, -mark),
                                   corner + QPointF(mark, 0)});
    letter(painter, (corner + top) / 2 - QPointF(kLetterGap, 0), "a");
    letter(painter, (corner + right) / 2 + QPointF(0, kLetterGap), "b");
    letter(painter, (top + right) / 2 + QPointF(kLetterGap, -kLetterGap), "c");
}

void drawCircle(QPainter& painter, const QRectF& room) {
    const qreal radius = std::min(room.width(), room.height()) / 2;
    const QPointF centre = room.center();
    painter.drawEllipse(centre, radius, radius);
    painter.drawEllipse(centre, 2, 2);
    painter.drawLine(centre, centre + QPointF(radius, 0));
    letter(painter, centre + QPointF(radius / 2, -kLetterGap), "r");
}

void setDashed(QPainter& painter) {
    QPen dashed = painter.pen();
    dashed.setStyle(Qt::DashLine);
    painter.setPen(dashed);
}

// The base seen aslant: its far half, hidden behind the figure, dashed. Arcs go in 16ths of a
// degree.
void drawBase(QPainter& painter, const QRectF& ellipse) {
    painter.drawArc(ellipse, 180 * 16, 180 * 16);
    painter.save();
    setDashed(painter);
    painter.drawArc(ellipse, 0, 180 * 16);
    painter.restore();
}

// The radius from the centre to the right, its letter just under it.
void drawRadius(QPainter& painter, const QRectF& base) {
    const QPointF centre = base.center();
    painter.drawLine(centre, QPointF(base.right(), centre.y()));
    const qreal under = painter.fontMetrics().height() / 2.0;
    letter(painter, QPointF((centre.x() + base.right()) / 2, centre.y() + under), "r");
}

void drawCylinder(QPainter& painter, const QRectF& room) {
    const qreal width = std::min(room.width(), room.height() * kSolidWidth);
    const qreal depth = width * kEllipseDepth;
    const QRectF top(room.center().x() - width / 2, room.top(), width, depth);
    const QRectF bottom = top.translated(0, room.height() - depth);
    painter.drawEllipse(top);
    drawBase(painter, bottom);
    painter.drawLine(top.left(), top.center().y(), bottom.left(), bottom.center().y());
    painter.drawLine(top.right(), top.center().y(), bottom.right(), bottom.center().y());
    drawRadius(painter, top);
    letter(painter, QPointF(top.right() + kLetterGap, room.center().y()), "h");
}

void drawCone(QPainter& painter, const QRectF& room) {
    const qreal width = std::min(room.width(), room.height() * kSolidWidth);
    const qreal depth = width * kEllipseDepth;
    const QRectF base(room.center().x() - width / 2, room.bottom() - depth, width, depth);
    const QPointF apex(room.center().x(), room.top());
    drawBase(painter, base);
    painter.drawLine(apex, QPointF(base.left(), base.center().y()));
    painter.drawLine(apex, QPointF(base.right(), base.center().y()));
    painter.save();
    setDashed(painter);
    painter.drawLine(apex, base.center());
    painter.restore();
    drawRadius(painter, base);
    letter(painter, (apex + base.center()) / 2 - QPointF(kLetterGap / 2 + 2, 0), "h");
    letter(painter, (apex + QPointF(base.right(), base.center().y())) / 2 + QPointF(kLetterGap, 0),
           "l");
}

std::optional<double> usedValue(const calc::Working& working, std::string_view name) {
    for (const calc::WorkedResult& result : working.results) {
        for (const calc::UsedValue& used : result.values) {
            if (used.name == name) return used.value;
        }
    }
    return std::nullopt;
}

}  // namespace

FigureSketch::FigureSketch(const Figure& figure, QWidget* parent)
    : QWidget(parent), shape_(figure.shape) {
    setObjectName(QStringLiteral("sketch"));
    setFixedHeight(kHeight);
    setAccessibleName(QStringLiteral("Чертёж"));
    setAccessibleDescription(fromUtf8(figure.description));
}

QAccessibleInterface* FigureSketch::createAccessible() {
    return new QAccessibleWidget(this, QAccessible::Graphic);
}

void FigureSketch::setWorking(const calc::Working* working) {
    legs_.reset();
    const auto a = working ? usedValue(*working, "a") : std::nullopt;
    const auto b = working ? usedValue(*working, "b") : std::nullopt;
    if (a && b && *a > 0 && *b > 0 && *a <= kMostLegRatio * *b && *b <= kMostLegRatio * *a)
        legs_ = QSizeF(*b, *a);
    update();
}

void FigureSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    QFont italic = font();
    italic.setItalic(true);
    painter.setFont(italic);
    draw(painter, rect());
}

void FigureSketch::draw(QPainter& painter, const QRectF& box) const {
    const QRectF room = box.adjusted(kMargin, kMargin / 2, -kMargin, -kMargin);
    switch (shape_) {
        case Shape::RightTriangle:
            drawTriangle(painter, room, legs_.value_or(kUsualLegs));
            break;
        case Shape::Circle:
            drawCircle(painter, room);
            break;
        case Shape::Cylinder:
            drawCylinder(painter, room);
            break;
        case Shape::Cone:
            drawCone(painter, room);
            break;
        case Shape::None:
            break;
    }
}

}  // namespace screens
