#include "screens/widgets/captions.h"

#include <QApplication>

#include "screens/widgets/font_fit.h"

namespace screens {

namespace {

constexpr qreal kSmallestPointSize = 6;
constexpr qreal kPointSizeStep = 0.5;

// The point size at which a caption fits, starting from the desktop's font for the control;
// 0 for a pixel-sized font, which is left as the desktop has it.
qreal captionPointSize(const QWidget& widget, const QString& caption, int width) {
    const QFont font = QApplication::font(&widget);
    if (font.pointSizeF() <= 0) return 0;
    return fittingPointSize(font, caption, width, kSmallestPointSize, kPointSizeStep);
}

}  // namespace

void fitCaptions(const std::vector<Captioned>& sameKind) {
    qreal smallest = 0;
    for (const Captioned& captioned : sameKind) {
        const qreal size = captionPointSize(*captioned.control, captioned.caption, captioned.room);
        if (size > 0 && (smallest == 0 || size < smallest)) smallest = size;
    }
    if (smallest == 0) return;
    for (const Captioned& captioned : sameKind) {
        QFont font = captioned.control->font();
        if (font.pointSizeF() <= 0 || font.pointSizeF() == smallest) continue;
        font.setPointSizeF(smallest);
        captioned.control->setFont(font);
    }
}

}  // namespace screens
