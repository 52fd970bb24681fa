#include "screens/access/accessible.h"

#include <QAccessible>
#include <QWidget>

namespace screens {

namespace {

QAccessibleInterface* ownInterface(const QString&, QObject* object) {
    auto* own = object && object->isWidgetType() ? dynamic_cast<OwnAccessible*>(object) : nullptr;
    return own ? own->createAccessible() : nullptr;
}

}  // namespace

// Qt asks the factories only once the widget is built, when a screen reader first wants it.
OwnAccessible::OwnAccessible() {
    static const bool installed = (QAccessible::installFactory(ownInterface), true);
    (void)installed;
}

// Events go to an installed handler instead of the screen reader.
void unannounced(const std::function<void()>& change) {
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler([](auto*) {});
    change();
    QAccessible::installUpdateHandler(before);
}

}  // namespace screens
