#include "screens/drawing_surface.h"

#include <QBackingStore>
#include <QPen>
#include <QWidget>
#include <QWindow>

#include "screens/colours.h"

namespace screens {

DrawingSurface::DrawingSurface(QWidget& window, QSizeF defaultScale)
    : window_(window),
      right_(static_cast<float>(defaultScale.width())),
      bottom_(static_cast<float>(defaultScale.height())) {}

DrawingSurface::~DrawingSurface() {
    present();
}

void DrawingSurface::record(const DrawCall& call) {
    if (recorder_) recorder_->record(call);
}

void DrawingSurface::scale(float x1, float y1, float x2, float y2) {
    record({DrawCall::Kind::Scale, x1, y1, x2, y2});
    left_ = x1;
    top_ = y1;
    right_ = x2;
    bottom_ = y2;
}

void DrawingSurface::setDrawWidth(int pixels) {
    record({.kind = DrawCall::Kind::DrawWidth, .width = pixels});
    drawWidth_ = pixels;
}

QPointF DrawingSurface::toPixels(float x, float y) const {
    const QSize client = window_.size();
    return {(x - left_) * client.width() / (right_ - left_),
            (y - top_) * client.height() / (bottom_ - top_)};
}

// Ends snap to whole pixels and the pen is centred on the pixel, so a 5-pixel dot covers rows
// 389 to 393 of the bar, not a row above it; a line shorter than a pixel is a round dot.
void DrawingSurface::line(float x1, float y1, float x2, float y2, std::uint32_t colour) {
    record({DrawCall::Kind::Line, x1, y1, x2, y2, drawWidth_, colour});
    QPainter* p = painter();
    if (!p) return;
    const QPointF from = pixelCentre(toPixels(x1, y1));
    const QPointF to = pixelCentre(toPixels(x2, y2));
    p->setPen(QPen(colourOf(colour), drawWidth_, Qt::SolidLine, Qt::RoundCap));
    if (from == to) {
        p->drawPoint(from);
    } else {
        p->drawLine(from, to);
    }
    const qreal margin = drawWidth_ / 2.0 + 1;
    dirty_ +=
        QRectF(from, to).normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

QPointF DrawingSurface::pixelCentre(QPointF point) {
    constexpr qreal kHalf = 0.5;
    return {qRound(point.x()) + kHalf, qRound(point.y()) + kHalf};
}

// Opens painting on the window's backing store on the first line after a present. A window
// that is not on screen has nothing to draw on, so lines drawn there are not seen.
QPainter* DrawingSurface::painter() {
    if (painter_) return &*painter_;
    QBackingStore* store = window_.isVisible() ? window_.backingStore() : nullptr;
    if (!store || store->size().isEmpty() || !window_.windowHandle()) return nullptr;
    store->beginPaint(QRegion(window_.rect()));
    painter_.emplace(store->paintDevice());
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setClipRect(window_.rect());
    return &*painter_;
}

void DrawingSurface::present() {
    if (!painter_) return;
    painter_->end();
    painter_.reset();
    QBackingStore* store = window_.backingStore();
    store->endPaint();
    store->flush(dirty_ & QRegion(window_.rect()), window_.windowHandle());
    dirty_ = QRegion();
    if (presentHook_) presentHook_();
}

}  // namespace screens
