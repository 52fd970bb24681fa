#include "screens/widgets/font_fit.h"

#include <QFontMetrics>
#include <algorithm>

namespace screens {

// A text of more letters than pixels fits at no size and is not measured: a field may hold
// millions.
qreal fittingPointSize(QFont font, const QString& text, int width, qreal smallest, qreal step) {
    if (text.size() > width) return std::min(font.pointSizeF(), smallest);
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pointSizeF() > smallest)
        font.setPointSizeF(std::max(smallest, font.pointSizeF() - step));
    return font.pointSizeF();
}

}  // namespace screens
