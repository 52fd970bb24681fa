#include "screens/picture_files.h"

#include <QPixmapCache>

namespace screens {

namespace {

constexpr qreal kHighDensity = 2;
constexpr const char* kHighDensitySuffix = "@2x";

qreal pictureRatio(assets::Picture picture, qreal devicePixelRatio) {
    // The icon carries its own sizes.
    if (picture == assets::Picture::ProgramIcon) return 1;
    return devicePixelRatio > 1 ? kHighDensity : 1;
}

QString pathAt(assets::Picture picture, qreal ratio) {
    const QString path = QString::fromLatin1(assets::resourcePath(picture));
    if (ratio == 1) return path;
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.left(dot) + QLatin1String(kHighDensitySuffix) + path.mid(dot);
}

}  // namespace

QPixmap loadPicture(assets::Picture picture, qreal devicePixelRatio) {
    const qreal ratio = pictureRatio(picture, devicePixelRatio);
    const QString path = pathAt(picture, ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap)) return pixmap;
    pixmap.load(path);
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(path, pixmap);
    return pixmap;
}

bool suitsRatio(const QPixmap& picture, qreal devicePixelRatio) {
    return picture.devicePixelRatio() == (devicePixelRatio > 1 ? kHighDensity : 1);
}

}  // namespace screens
