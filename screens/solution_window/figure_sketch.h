#pragma once

#include <QWidget>
#include <optional>

#include "calc/working.h"
#include "screens/access/accessible.h"
#include "screens/tables/screen_table.h"

class QPainter;

namespace screens {

// A small drawing of a geometry screen's figure with the letters its formulas use; screen readers
// get it as a picture described in words, as the screen's table describes it.
class FigureSketch : public QWidget, public OwnAccessible {
  public:
    FigureSketch(const Figure& figure, QWidget* parent);

    // The triangle is drawn in the proportions of the legs last worked with.
    void setWorking(const calc::Working* working);
    // The same drawing in `box` of any painter (a printed page), with its pen and font.
    void draw(QPainter& painter, const QRectF& box) const;

    QAccessibleInterface* createAccessible() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Shape shape_;
    std::optional<QSizeF> legs_;  // b across, a up
};

}  // namespace screens
