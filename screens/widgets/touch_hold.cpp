#include "screens/widgets/touch_hold.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

#include "screens/widgets/finger.h"

namespace screens {

namespace {

// A finger's press as the widget gets it: the mouse press Qt makes from a touch nobody took.
bool fromFinger(const QMouseEvent& event) {
    return event.button() == Qt::LeftButton && event.device() &&
           event.device()->type() == QInputDevice::DeviceType::TouchScreen;
}

// Qt puts a tip below the pointer, where a hand on the screen would cover it.
void liftTipAbove(QPoint finger) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() != QLatin1String("qtooltip_label") || !window->isVisible())
            continue;
        const int top = finger.y() - finger::kTarget - window->height();
        const QScreen* screen = window->screen();
        if (screen && top >= screen->availableGeometry().top()) window->move(window->x(), top);
    }
}

}  // namespace

TouchHold::TouchHold(QWidget& widget) : QObject(&widget), widget_(widget) {
    timer_.setSingleShot(true);
    timer_.setInterval(finger::kHold);
    connect(&timer_, &QTimer::timeout, this, &TouchHold::held);
    widget.installEventFilter(this);
}

bool TouchHold::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* press = static_cast<QMouseEvent*>(event);
            held_ = false;
            if (!fromFinger(*press)) break;
            pressedAt_ = press->position().toPoint();
            timer_.start();
            break;
        }
        case QEvent::MouseMove: {
            const QPoint moved =
                static_cast<QMouseEvent*>(event)->position().toPoint() - pressedAt_;
            if (moved.manhattanLength() > finger::kSlop) timer_.stop();
            break;
        }
        case QEvent::MouseButtonRelease:
            timer_.stop();
            if (!held_) break;
            held_ = false;
            // After the release, which ends the field's own press.
            QCoreApplication::postEvent(&widget_,
                                        new QContextMenuEvent(QContextMenuEvent::Mouse, pressedAt_,
                                                              widget_.mapToGlobal(pressedAt_)));
            break;
        default:
            break;
    }
    return false;
}

void TouchHold::held() {
    held_ = true;
    if (widget_.toolTip().isEmpty()) return;
    const QPoint finger = widget_.mapToGlobal(pressedAt_);
    QToolTip::showText(finger, widget_.toolTip(), &widget_);
    liftTipAbove(finger);
}

}  // namespace screens
