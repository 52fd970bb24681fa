#pragma once

#include <QDir>

#include "typeface.h"

namespace drawing {

// Draws every picture, the icon file and the desktop icon copies into the folder.
void drawAll(const Typeface& typeface, const QDir& folder);

// Prints, for each painted text, the pixel size and width scale that make its ink fill its
// box with the text's letter spacing: the numbers to put into the background table.
void printFittedStyles(const Typeface& typeface);

}  // namespace drawing
