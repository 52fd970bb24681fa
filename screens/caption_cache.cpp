#include "screens/caption_cache.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace screens {

namespace {

constexpr quint32 kMagic = 0x52434150;  // "RCAP"
constexpr quint32 kFormat = 1;
constexpr qint64 kLargestFile = 1 << 20;  // a few captions take a few kilobytes
constexpr int kLargestSide = 1024;
constexpr qreal kLargestRatio = 8;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;
constexpr QImage::Format kMaskFormat = QImage::Format_ARGB32_Premultiplied;
constexpr int kBytesPerPixel = 4;

void write(QDataStream& out, const QImage& mask) {
    out << mask.width() << mask.height() << mask.devicePixelRatio();
    for (int y = 0; y < mask.height(); ++y)
        out.writeRawData(reinterpret_cast<const char*>(mask.constScanLine(y)),
                         mask.width() * kBytesPerPixel);
}

QImage readMask(QDataStream& in) {
    int width = 0, height = 0;
    qreal ratio = 0;
    in >> width >> height >> ratio;
    const bool sane = width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide &&
                      ratio > 0 && ratio <= kLargestRatio;
    if (in.status() != QDataStream::Ok || !sane) return {};
    QImage mask(width, height, kMaskFormat);
    for (int y = 0; y < height; ++y)
        if (in.readRawData(reinterpret_cast<char*>(mask.scanLine(y)), width * kBytesPerPixel) !=
            width * kBytesPerPixel)
            return {};
    mask.setDevicePixelRatio(ratio);
    return mask;
}

}  // namespace

CaptionCache::CaptionCache(QString file) : file_(std::move(file)) {
    QFile stored(file_);
    if (QFileInfo(stored).size() > kLargestFile || !stored.open(QIODevice::ReadOnly)) return;
    QDataStream in(&stored);
    in.setVersion(kStreamVersion);
    quint32 magic = 0, format = 0, count = 0;
    in >> magic >> format >> count;
    if (magic != kMagic || format != kFormat) return;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString key;
        qreal pointSize = 0;
        in >> key >> pointSize;
        QImage mask = readMask(in);
        if (mask.isNull()) break;
        captions_[key] = {pointSize, std::move(mask)};
    }
}

std::optional<CaptionCache::Caption> CaptionCache::find(const QString& key) const {
    const auto found = captions_.find(key);
    if (found == captions_.end()) return std::nullopt;
    return found->second;
}

void CaptionCache::put(const QString& key, Caption caption) {
    const auto found = captions_.find(key);
    if (found != captions_.end() && found->second.pointSize == caption.pointSize &&
        found->second.mask == caption.mask)
        return;
    caption.mask = caption.mask.convertToFormat(kMaskFormat);
    captions_[key] = std::move(caption);
    changed_ = true;
}

void CaptionCache::save() {
    if (!changed_ || file_.isEmpty()) return;
    changed_ = false;
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSaveFile stored(file_);
    if (!stored.open(QIODevice::WriteOnly)) return;
    QDataStream out(&stored);
    out.setVersion(kStreamVersion);
    out << kMagic << kFormat << static_cast<quint32>(captions_.size());
    for (const auto& [key, caption] : captions_) {
        out << key << caption.pointSize;
        write(out, caption.mask);
    }
    stored.commit();
}

}  // namespace screens
