#include "app/hidden_window_input.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace app {

namespace {

bool isShown(const QObject* receiver) {
    if (const auto* widget = qobject_cast<const QWidget*>(receiver))
        return widget->window()->isVisible();
    if (const auto* window = qobject_cast<const QWindow*>(receiver)) return window->isVisible();
    return true;
}

}  // namespace

bool HiddenWindowInput::eventFilter(QObject* receiver, QEvent* event) {
    const bool input = event->isInputEvent() || event->type() == QEvent::InputMethod;
    return input && !isShown(receiver);
}

}  // namespace app
