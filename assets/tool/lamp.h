#pragma once

#include <QImage>

namespace drawing {

// The program icon at one size: a black desk lamp lighting a sheet of paper on a pad, with a
// pencil writing on it. The design is drawn afresh at every size (not scaled from a bitmap)
// on a transparent ground, with smoothed edges in the alpha channel.
QImage drawLampIcon(int size);

}  // namespace drawing
