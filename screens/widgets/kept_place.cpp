#include "screens/widgets/kept_place.h"

#include <QHideEvent>
#include <QShowEvent>
#include <QWidget>
#include <QWindow>

namespace screens {

// The native window asks the window manager for the place even where the widget has not moved;
// the widget is told too, or showing would hand the native window the widget's own idea of the
// place, which the window manager may have changed while the window was withdrawn.
void KeptPlace::shown(QWidget& window, const QShowEvent& event) const {
    if (event.spontaneous() || !place_) return;
    window.windowHandle()->setPosition(*place_);
    window.setGeometry(QRect(*place_, window.size()));
}

void KeptPlace::hidden(const QWidget& window, const QHideEvent& event) {
    if (!event.spontaneous()) place_ = window.geometry().topLeft();
}

}  // namespace screens
