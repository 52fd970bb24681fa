#include "screens/picture_files.h"

#include <QPixmapCache>
#include <QResource>
#include <algorithm>
#include <map>

#include "screens/jpeg_decoder.h"

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

QImage decodeFile(const QString& path) {
    const QResource file(path);
    if (!file.isValid()) return {};
    return decodeJpeg(file.uncompressedData());
}

std::map<assets::Picture, std::future<QImage>>& expected() {
    static std::map<assets::Picture, std::future<QImage>> pictures;
    return pictures;
}

// What another thread decoded for this load, if anything. The first load of a picture uses
// the expectation or drops it.
QImage takeExpected(assets::Picture picture, qreal ratio) {
    const auto found = expected().find(picture);
    if (found == expected().end()) return {};
    std::future<QImage> decoding = std::move(found->second);
    expected().erase(found);
    return ratio == 1 && decoding.valid() ? decoding.get() : QImage();
}

QPixmap decode(assets::Picture picture, qreal ratio, const QString& path) {
    QImage image = takeExpected(picture, ratio);
    if (image.isNull() && picture != assets::Picture::ProgramIcon) image = decodeFile(path);
    QPixmap pixmap;
    if (image.isNull()) {
        pixmap.load(path);
    } else {
        pixmap = QPixmap::fromImage(std::move(image));
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

QPixmap loadPicture(assets::Picture picture, qreal devicePixelRatio) {
    const qreal ratio = pictureRatio(picture, devicePixelRatio);
    const QString path = pathAt(picture, ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap)) return pixmap;
    pixmap = decode(picture, ratio, path);
    QPixmapCache::insert(path, pixmap);
    return pixmap;
}

QImage decodePicture(assets::Picture picture) {
    if (picture == assets::Picture::ProgramIcon) return {};
    return decodeFile(pathAt(picture, 1));
}

void expectPicture(assets::Picture picture, std::future<QImage> decoding) {
    expected()[picture] = std::move(decoding);
}

std::vector<assets::Picture> picturesOf(const ScreenLayout& layout) {
    std::vector<assets::Picture> pictures{layout.background};
    for (const ControlLayout& control : layout.controls) {
        if (control.picture && std::ranges::find(pictures, *control.picture) == pictures.end())
            pictures.push_back(*control.picture);
    }
    return pictures;
}

const QPixmap& ShownPicture::at(qreal devicePixelRatio) {
    if (!picture_) return pixmap_;
    if (pixmap_.isNull() || pixmap_.devicePixelRatio() != pictureRatio(*picture_, devicePixelRatio))
        pixmap_ = loadPicture(*picture_, devicePixelRatio);
    return pixmap_;
}

}  // namespace screens
