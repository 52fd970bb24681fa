#pragma once

#include <QWidget>

#include "screens/layout.h"

namespace screens {

// Builds one control of a screen from its layout row, placed and sized in pixels.
QWidget* createControl(const ControlLayout& layout, QWidget* parent);

}  // namespace screens
