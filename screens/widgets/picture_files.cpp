#include "screens/widgets/picture_files.h"

#include <QPixmapCache>

namespace screens {

namespace {

constexpr int kHighDensity = 2;

qreal pictureRatio(assets::Picture picture, qreal devicePixelRatio) {
    // The icon carries its own sizes.
    if (picture == assets::Picture::ProgramIcon) return 1;
    return devicePixelRatio > 1 ? kHighDensity : 1;
}

QString pathAt(assets::Picture picture, qreal ratio) {
    return assets::atScale(QString::fromLatin1(assets::resourcePath(picture)), qRound(ratio));
}

QPixmap decode(qreal ratio, const QString& path) {
    QPixmap pixmap(path);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

QPixmap loadPicture(assets::Picture picture, qreal devicePixelRatio) {
    const qreal ratio = pictureRatio(picture, devicePixelRatio);
    const QString path = pathAt(picture, ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap)) return pixmap;
    pixmap = decode(ratio, path);
    QPixmapCache::insert(path, pixmap);
    return pixmap;
}

const QPixmap& ShownPicture::at(qreal devicePixelRatio) {
    if (!picture_) return pixmap_;
    if (pixmap_.isNull() || pixmap_.devicePixelRatio() != pictureRatio(*picture_, devicePixelRatio))
        pixmap_ = loadPicture(*picture_, devicePixelRatio);
    return pixmap_;
}

}  // namespace screens
