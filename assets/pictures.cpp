#include "pictures.h"

#include <array>
#include <string_view>

namespace assets {

namespace {

constexpr std::string_view kFolder = ":/pictures/";

// In Picture order.
constexpr std::array<const char*, 12> kPaths{
    ":/pictures/menu.jpg",     ":/pictures/triangle.jpg", ":/pictures/circle.jpg",
    ":/pictures/cylinder.jpg", ":/pictures/cone.jpg",     ":/pictures/calculator.jpg",
    ":/pictures/button.jpg",   ":/pictures/plus.jpg",     ":/pictures/minus.jpg",
    ":/pictures/times.jpg",    ":/pictures/division.jpg", ":/pictures/icon.ico",
};
static_assert(kPaths.size() == static_cast<std::size_t>(Picture::ProgramIcon) + 1);

}  // namespace

const char* resourcePath(Picture picture) {
    return kPaths.at(static_cast<std::size_t>(picture));
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
