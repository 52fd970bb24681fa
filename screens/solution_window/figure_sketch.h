#pragma once

#include <QWidget>
#include <optional>

#include "calc/working.h"
#include "screens/accessible.h"
#include "screens/screen_id.h"

class QPainter;

namespace screens {

// A small drawing of a geometry screen's figure with the letters its formulas use; screen readers
// get it as a picture described in words.
class FigureSketch : public QWidget, public OwnAccessible {
  public:
    FigureSketch(ScreenId screen, QWidget* parent);

    // The triangle is drawn in the proportions of the legs last worked with.
    void setWorking(const calc::Working* working);
    // The same drawing in `box` of any painter (a printed page), with its pen and font.
    void draw(QPainter& painter, const QRectF& box) const;

    QAccessibleInterface* createAccessible() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ScreenId screen_;
    std::optional<QSizeF> legs_;  // b across, a up
};

// Whether a screen has a figure to draw.
bool hasFigure(ScreenId screen);

}  // namespace screens
