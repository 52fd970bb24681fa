#pragma once

#include <QTimer>
#include <QWidget>

#include "screens/access/accessible.h"

namespace screens {

// Has a screen reader say a short text without moving the pupil: an empty notification that
// appears in its window for a few seconds with the text as its name. Nothing is drawn, nothing
// takes the focus.
class Announcer : public QWidget, public OwnAccessible {
  public:
    explicit Announcer(QWidget& window);

    void announce(const QString& text);

    QAccessibleInterface* createAccessible() override;

  private:
    QTimer goAway_;
};

}  // namespace screens
