#pragma once

#include <QWidget>

#include "calc/working.h"
#include "screens/accessible.h"
#include "screens/kept_place.h"

class QPlainTextEdit;

namespace screens {

class Screen;
class FigureSketch;

// The working of one screen's last compute, step by step, in a window of its own beside the
// screen. Not one of the screens: it plays no sweep and closing it ends nothing. Screen readers
// get it as a window (as a dialog, Orca would name it again before each announcement in it).
class SolutionWindow : public QWidget, public OwnAccessible {
  public:
    explicit SolutionWindow(Screen& screen);

    // Shows the working (null before any compute).
    void setWorking(const calc::Working* working);
    // Shows the window with the keyboard focus, beside the screen the first time.
    void open();

    QAccessibleInterface* createAccessible() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void placeBesideScreen();

    Screen& screen_;
    QPlainTextEdit* text_;
    FigureSketch* sketch_ = nullptr;  // the geometry screens' figure
    KeptPlace place_;
};

// Gives a working screen its solution: F1 and «Показать решение» in the result fields' menus
// open it. The window is made when first opened.
void attachSolution(Screen& screen);

// Hands a compute's working to the screen's solution, which shows it from then on.
void showWorking(Screen& screen, const calc::Working& working);

}  // namespace screens
