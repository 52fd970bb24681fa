#pragma once

#include <QWidget>
#include <optional>

#include "calc/working.h"
#include "screens/access/accessible.h"
#include "screens/tables/screen_table.h"
#include "screens/widgets/kept_place.h"
#include "screens/widgets/screen_fields.h"
#include "solution/solution_text.h"

class QPlainTextEdit;

namespace screens {

class FigureSketch;

// The working of one screen's last compute, step by step, in a window of its own beside the
// screen. Not one of the screens: it plays no sweep and closing it ends nothing. Screen readers
// get it as a window (as a dialog, Orca would name it again before each announcement in it).
class SolutionWindow : public QWidget, public OwnAccessible {
  public:
    // For the screen built from `table`, beside it.
    SolutionWindow(QWidget& screen, const ScreenTable& table);

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
    void fitHeight();
    void keepFrameOnDesk(int triesLeft);
    QMargins frameMargins() const;

    QWidget& screen_;
    solution::Task task_;
    QPlainTextEdit* text_;
    FigureSketch* sketch_ = nullptr;  // the geometry screens' figure
    KeptPlace place_;
};

// A working screen's solution: the working of its last compute, and the window that shows it,
// made when first opened. F1 and «Показать решение» in the result fields' menus open it; it goes
// when its screen is hidden.
class Solution : public QObject {
  public:
    // For the screen of `table`, whose result fields are among `fields`; a child of the screen.
    Solution(QWidget& screen, const ScreenTable& table, ScreenFields& fields);

    // A compute's working, shown from then on.
    void keep(const calc::Working& working);
    void open();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& screen_;
    const ScreenTable& table_;
    std::optional<calc::Working> working_;
    SolutionWindow* window_ = nullptr;  // a child of the screen
};

}  // namespace screens
