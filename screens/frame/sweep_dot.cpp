#include "screens/frame/sweep_dot.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

#include "screens/frame/colours.h"

namespace screens {

namespace {

// Ends snap to pixel centres, so a 5-pixel dot covers rows 389 to 393 of the bar, not a row
// above it; a segment shorter than a pixel is a round dot.
QPointF pixelCentre(QPointF point) {
    constexpr qreal kHalf = 0.5;
    return {qRound(point.x()) + kHalf, qRound(point.y()) + kHalf};
}

QLineF snapped(const Dot& dot) {
    return {pixelCentre(dot.segment.p1()), pixelCentre(dot.segment.p2())};
}

// The pixels the dot covers, and one more all round.
QRect area(const std::optional<Dot>& dot) {
    if (!dot) return {};
    const QLineF line = snapped(*dot);
    const qreal margin = dot->penWidth / 2.0 + 1;
    return QRectF(line.p1(), line.p2())
        .normalized()
        .adjusted(-margin, -margin, margin, margin)
        .toAlignedRect();
}

}  // namespace

void SweepDot::show(const Dot& dot) {
    moveTo(dot);
    if (observer_) observer_(dot);
}

void SweepDot::hide() {
    moveTo(std::nullopt);
}

// Repaints where the dot was and where it now is; a hidden window paints nothing.
void SweepDot::moveTo(const std::optional<Dot>& dot) {
    QRegion changed(area(dot_));
    dot_ = dot;
    changed += area(dot_);
    window_.repaint(changed);
}

void SweepDot::paint(QPainter& painter) const {
    if (!dot_) return;
    const QLineF line = snapped(*dot_);
    painter.setPen(QPen(colourOf(dot_->colour), dot_->penWidth, Qt::SolidLine, Qt::RoundCap));
    if (line.p1() == line.p2()) {
        painter.drawPoint(line.p1());
    } else {
        painter.drawLine(line);
    }
}

}  // namespace screens
