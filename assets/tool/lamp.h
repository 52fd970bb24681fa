#pragma once

#include <QImage>

namespace drawing {

// The program icon, a desk lamp over a pad with a pencil, drawn afresh at each size on a
// transparent ground.
QImage drawLampIcon(int size);

}  // namespace drawing
