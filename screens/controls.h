#pragma once

#include <QWidget>
#include <utility>
#include <vector>

#include "screens/layout.h"

namespace screens {

// Builds one control of a screen from its layout row, placed and sized in pixels.
QWidget* createControl(const ControlLayout& layout, QWidget* parent);

// A control that shows a caption, with the layout row it was built from.
using CaptionedControl = std::pair<QWidget*, const ControlLayout*>;

// Shrinks each caption that does not fit its control, then gives captions of one kind on a
// screen the same size: the smallest that any of them needed. This measures text, which needs
// the font list, so a screen does it as late as it can before its first frame.
void fitCaptions(const std::vector<CaptionedControl>& sameKind);

}  // namespace screens
