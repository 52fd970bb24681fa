#include "screens/access/announcer.h"

#include <QAccessibleWidget>

namespace screens {

namespace {

constexpr int kShownFor = 5'000;  // milliseconds; long enough to read it again in the window

}  // namespace

Announcer::Announcer(QWidget& window) : QWidget(&window) {
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
    goAway_.setSingleShot(true);
    goAway_.setInterval(kShownFor);
    connect(&goAway_, &QTimer::timeout, this, &QWidget::hide);
}

// A notification speaks as it appears, so one already shown goes first.
void Announcer::announce(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
    goAway_.start();
}

QAccessibleInterface* Announcer::createAccessible() {
    return new QAccessibleWidget(this, QAccessible::Notification);
}

}  // namespace screens
