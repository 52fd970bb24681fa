#include "pictures.h"

#include <string_view>

#include "assets/picture_table.h"

namespace assets {

namespace {

constexpr std::string_view kFolder = ":/pictures/";

static_assert(kPictureResources.size() == static_cast<std::size_t>(Picture::ProgramIcon) + 1);

}  // namespace

const char* resourcePath(Picture picture) {
    return kPictureResources.at(static_cast<std::size_t>(picture));
}

QString fileName(Picture picture) {
    return QString::fromLatin1(resourcePath(picture) + kFolder.size());
}

QString atScale(const QString& file, int scale) {
    if (scale == 1) return file;
    const qsizetype dot = file.lastIndexOf(u'.');
    return file.left(dot) + QStringLiteral("@%1x").arg(scale) + file.mid(dot);
}

}  // namespace assets
