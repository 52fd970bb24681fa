#pragma once

#include <QByteArrayView>
#include <QImage>

namespace screens {

// Decodes a JPEG without Qt's image plug-ins and without the application object, so it may run
// on any thread at any time, also while Qt is still starting. Gives a null image where this
// build has no decoder of its own or the data is not a JPEG it can read; the caller then loads
// the picture the usual way.
QImage decodeJpeg(QByteArrayView data);

}  // namespace screens
