#pragma once

#include <QString>

#include "assets/picture.h"

// Where Qt's resource system keeps the pictures.
namespace assets {

// The resource path of a picture, e.g. ":/pictures/menu.jpg".
const char* resourcePath(Picture picture);

// Its file in the assets folder, e.g. "menu.jpg".
QString fileName(Picture picture);

// The file drawn at `scale` times the size, named as Qt looks for it: "menu@2x.jpg".
QString atScale(const QString& file, int scale);

}  // namespace assets
