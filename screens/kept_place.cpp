#include "screens/kept_place.h"

#include <QHideEvent>
#include <QShowEvent>
#include <QWidget>

namespace screens {

// Through the widget, not its native window: showing puts the native window back where the
// widget thinks it is, and the window manager has meanwhile moved a withdrawn window by its frame.
void KeptPlace::shown(QWidget& window, const QShowEvent& event) const {
    if (!event.spontaneous() && place_) window.setGeometry(QRect(*place_, window.size()));
}

void KeptPlace::hidden(const QWidget& window, const QHideEvent& event) {
    if (!event.spontaneous()) place_ = window.geometry().topLeft();
}

}  // namespace screens
