#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

class QWidget;

namespace screens {

// Press and hold for a finger, which has no hover and no right button. Held still for half a
// second, the widget shows its tooltip, above the finger where the hand does not hide it; lifted,
// it opens its context menu, as the right button does (which takes a tip away too). A mouse's
// presses are left as they are.
class TouchHold : public QObject {
  public:
    explicit TouchHold(QWidget& widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void held();

    QWidget& widget_;
    QTimer timer_;
    QPoint pressedAt_;  // in the widget
    bool held_ = false;
};

}  // namespace screens
