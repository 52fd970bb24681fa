#include "screens/kept_place.h"

#include <QHideEvent>
#include <QShowEvent>
#include <QWidget>
#include <QWindow>

namespace screens {

void KeptPlace::shown(QWidget& window, const QShowEvent& event) const {
    if (!event.spontaneous() && place_) window.windowHandle()->setPosition(*place_);
}

void KeptPlace::hidden(const QWidget& window, const QHideEvent& event) {
    if (!event.spontaneous()) place_ = window.geometry().topLeft();
}

}  // namespace screens
