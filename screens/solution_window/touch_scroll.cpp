#include "screens/solution_window/touch_scroll.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QScrollEvent>
#include <QScrollPrepareEvent>
#include <QScroller>
#include <QScrollerProperties>

namespace screens {

TouchScroll::TouchScroll(QPlainTextEdit& text) : QObject(&text), text_(text) {
    QScroller::grabGesture(text.viewport(), QScroller::TouchGesture);
    // The text stops at its ends: pulled past them, a plain text would move its page.
    QScrollerProperties properties = QScroller::scroller(text.viewport())->scrollerProperties();
    properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
                               QScrollerProperties::OvershootAlwaysOff);
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                               QScrollerProperties::OvershootAlwaysOff);
    QScroller::scroller(text.viewport())->setScrollerProperties(properties);
    text.viewport()->installEventFilter(this);
}

// A plain text's scroll bar counts lines and the scroller pixels: a drag of one line's height
// moves the text by one line, as far as the finger went. Fingers on the page are the scroller's
// and the pinch's: taken here, they make no mouse presses, which would select or drag the text.
bool TouchScroll::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            event->accept();
            return true;
        default:
            break;
    }
    // Only scroll events reach the text itself: the viewport's other events also come while the
    // text is being destroyed, when it is no longer a scroll area.
    if (event->type() != QEvent::ScrollPrepare && event->type() != QEvent::Scroll) return false;
    QScrollBar& bar = *text_.verticalScrollBar();
    const qreal line = QFontMetricsF(text_.font()).height();
    if (event->type() == QEvent::ScrollPrepare) {
        auto* prepare = static_cast<QScrollPrepareEvent*>(event);
        prepare->setViewportSize(text_.viewport()->size());
        prepare->setContentPosRange(QRectF(0, 0, 0, bar.maximum() * line));
        prepare->setContentPos(QPointF(0, bar.value() * line));
        prepare->accept();
        return true;
    }
    bar.setValue(qRound(static_cast<QScrollEvent*>(event)->contentPos().y() / line));
    return true;
}

}  // namespace screens
