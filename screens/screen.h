#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "screens/captions.h"
#include "screens/layout.h"
#include "screens/picture_files.h"
#include "screens/screen_fields.h"
#include "screens/sweep_dot.h"

namespace screens {

// Any of the six screens, built from its layout: a fixed-size tool window with its background
// picture and controls. The screen only reports clicks and closing; the program decides what
// they mean.
class Screen : public QWidget {
  public:
    using ClickHandler = std::function<void(Screen&, const ControlLayout&)>;
    using CloseHandler = std::function<void(Screen&)>;

    // With a caption cache, the screen's first frame may take its captions from an earlier
    // run, and what it draws is kept there for the next.
    Screen(const ScreenLayout& layout, ClickHandler onClick, CloseHandler onClose,
           CaptionCache* captionCache = nullptr);

    ScreenId id() const { return layout_.id; }
    const ScreenLayout& layout() const { return layout_; }
    SweepDot& sweepDot() { return sweepDot_; }
    calc::FieldAccess& fields() { return fields_; }

    void setVisible(bool visible) override;

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
    void connectControl(const ControlLayout& control, QWidget* widget);
    void afterFirstFrame();

    const ScreenLayout& layout_;
    ClickHandler onClick_;
    CloseHandler onClose_;
    ShownPicture background_;
    ScreenFields fields_;
    SweepDot sweepDot_;
    ScreenCaptions captions_;
    std::optional<QPoint> placeWhenHidden_;  // the client area's origin on the desk
    bool shownBefore_ = false;
    bool firstFramePainted_ = false;
};

}  // namespace screens
