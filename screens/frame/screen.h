#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "screens/access/accessible.h"
#include "screens/access/announcer.h"
#include "screens/frame/sweep_dot.h"
#include "screens/tables/screen_table.h"
#include "screens/widgets/kept_place.h"
#include "screens/widgets/picture_files.h"
#include "screens/widgets/screen_fields.h"

namespace screens {

class Solution;

// Any of the six screens, built from its table: a fixed-size tool window that reports clicks
// and closing; the program decides what they mean. Screen readers get it as a window.
class Screen : public QWidget, public OwnAccessible {
  public:
    using ClickHandler = std::function<void(Screen&, const ControlRow&)>;
    using CloseHandler = std::function<void(Screen&)>;

    Screen(const ScreenTable& table, ClickHandler onClick, CloseHandler onClose);

    ScreenId id() const { return table_.id; }
    SweepDot& sweepDot() { return sweepDot_; }
    ScreenFields& fields() { return fields_; }
    Announcer& announcer() { return *announcer_; }

    // Runs a compute on the screen's fields, then explains each result field and hands the
    // working to the solution, also where an error stopped the compute; the error goes on to the
    // caller.
    void runExplained(const std::function<void(calc::FieldAccess&)>& compute);
    // Opens the window with the working of the last compute, where the screen has results.
    void openSolution();

    QAccessibleInterface* createAccessible() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void setUpWindow();
    void createControls();
    void orderTabs(std::vector<std::pair<int, QWidget*>> focusable);
    void connectControl(const ControlRow& control, QWidget* widget);
    void pressOnEnter(QAbstractButton& compute, const std::vector<QLineEdit*>& inputs);

    const ScreenTable& table_;
    ClickHandler onClick_;
    CloseHandler onClose_;
    ShownPicture background_;
    ScreenFields fields_;
    SweepDot sweepDot_;
    KeptPlace place_;
    Announcer* announcer_;
    Solution* solution_ = nullptr;  // a child; none on a screen without results
};

}  // namespace screens
