#pragma once

#include <QFont>
#include <QString>

namespace screens {

// The largest point size at which `text` fits in `width` pixels, trying `font`'s own size and then
// ever smaller ones, `step` points apart, down to `smallest`; `smallest` where it fits at none
// (the font's own size, where that is smaller still). `font` is sized in points.
qreal fittingPointSize(QFont font, const QString& text, int width, qreal smallest, qreal step);

}  // namespace screens
