#pragma once

#include <QWidget>

#include "screens/tables/screen_table.h"

namespace screens {

// Builds one control of a screen from its row, placed and sized in pixels.
QWidget* createControl(const ControlRow& row, QWidget* parent);

}  // namespace screens
