#pragma once

#include <QByteArrayView>
#include <QImage>

namespace screens {

// Decodes a JPEG with libjpeg straight, without Qt's image plug-ins: finding and loading those
// takes longer at start-up than decoding the first screen's pictures. Gives a null image where
// this build has no decoder of its own or the data is not a whole JPEG; the caller then loads
// the picture the usual way.
QImage decodeJpeg(QByteArrayView data);

}  // namespace screens
