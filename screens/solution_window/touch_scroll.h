#pragma once

#include <QObject>

class QPlainTextEdit;

namespace screens {

// A finger dragged over a plain text scrolls it, and a flick runs on and slows down, as touch
// screens scroll (Qt's QScroller). The mouse keeps selecting text.
class TouchScroll : public QObject {
  public:
    explicit TouchScroll(QPlainTextEdit& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit& text_;
};

}  // namespace screens
