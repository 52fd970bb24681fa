#pragma once

#include <QWidget>
#include <optional>

#include "calc/working.h"
#include "screens/screen_id.h"

namespace screens {

// A small drawing of a geometry screen's figure with the letters its formulas use.
class FigureSketch : public QWidget {
  public:
    FigureSketch(ScreenId screen, QWidget* parent);

    // The triangle is drawn in the proportions of the legs last worked with.
    void setWorking(const calc::Working* working);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ScreenId screen_;
    std::optional<QSizeF> legs_;  // b across, a up
};

// Whether a screen has a figure to draw.
bool hasFigure(ScreenId screen);

}  // namespace screens
