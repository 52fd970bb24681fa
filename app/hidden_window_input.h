#pragma once

#include <QObject>

namespace app {

// Drops input that reaches a window no longer shown. Input waits while a click's handler runs;
// by the time it is handled, the handler may have hidden the screen it was made on, and a
// hidden screen must not act on it.
class HiddenWindowInput : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;
};

}  // namespace app
