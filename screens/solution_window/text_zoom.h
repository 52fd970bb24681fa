#pragma once

#include <QList>
#include <QObject>

class QAction;
class QPinchGesture;
class QPlainTextEdit;

namespace screens {

// The size of a text to read from the back of a classroom: Ctrl+plus, Ctrl+minus, Ctrl+0,
// Ctrl+wheel and a pinch step it from 1.25 times the interface font up to 3 times. The size chosen
// is kept while the program runs, for every text zoomed this way, so a projector needs it set once.
class TextZoom : public QObject {
  public:
    // Gives the text the kept size and its keys, in the text's window.
    explicit TextZoom(QPlainTextEdit& text);

    // The steps with their keys, for the text's context menu.
    const QList<QAction*>& actions() const { return actions_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void step(int by);
    void pinch(const QPinchGesture& pinch);
    void apply();

    QPlainTextEdit& text_;
    QList<QAction*> actions_;
    int wheel_ = 0;             // a turn too small for a step yet
    double pinchedFrom_ = 1.0;  // the scale when the fingers came down
};

}  // namespace screens
