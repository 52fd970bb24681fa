#pragma once

#include <QWidget>
#include <vector>

#include "screens/layout.h"

namespace screens {

// Builds one control of a screen from its layout row, placed and sized in pixels.
QWidget* createControl(const ControlLayout& layout, QWidget* parent);

// Gives captions of one kind on a screen the same size: the smallest that any of them needed.
void matchCaptionSizes(const std::vector<QWidget*>& sameKind);

}  // namespace screens
