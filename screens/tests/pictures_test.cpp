// Decoding the built-in pictures without Qt's image plug-ins.
#include <gtest/gtest.h>

#include <QFile>

#include "screens/jpeg_decoder.h"
#include "screens/picture_files.h"

namespace screens {
namespace {

using assets::Picture;

constexpr Picture kJpegs[] = {
    Picture::MenuBackground,     Picture::TriangleBackground, Picture::CircleBackground,
    Picture::CylinderBackground, Picture::ConeBackground,     Picture::CalculatorBackground,
    Picture::ButtonFace,         Picture::PlusSign,           Picture::MinusSign,
    Picture::TimesSign,          Picture::DivisionSign,
};

// The picture as Qt's own image plug-in decodes it.
QImage decodedByQt(Picture picture, qreal ratio) {
    QString path = QString::fromLatin1(assets::resourcePath(picture));
    if (ratio > 1) path.replace(QLatin1String(".jpg"), QLatin1String("@2x.jpg"));
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

TEST(Pictures, OwnDecoderGivesQtsPixelsForEveryPictureAtBothDensities) {
    for (const Picture picture : kJpegs) {
        const QImage own = loadPicture(picture, 1).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(own, decodedByQt(picture, 1)) << assets::resourcePath(picture);
        const QImage ownLarge =
            loadPicture(picture, 2).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(ownLarge, decodedByQt(picture, 2)) << assets::resourcePath(picture) << " @2x";
    }
}

TEST(Pictures, DataThatIsNoWholeJpegDecodesToNothing) {
    QFile file(assets::resourcePath(Picture::MenuBackground));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray jpeg = file.readAll();
    const struct {
        const char* what;
        QByteArray data;
    } kCases[] = {
        {"no data", {}},
        {"not a JPEG", "GIF89a, not what was asked for"},
        {"only the header", jpeg.left(600)},
        {"cut off halfway", jpeg.left(jpeg.size() / 2)},
    };
    for (const auto& c : kCases) EXPECT_TRUE(decodeJpeg(c.data).isNull()) << c.what;
    EXPECT_FALSE(decodeJpeg(jpeg).isNull()) << "the whole file";
}

}  // namespace
}  // namespace screens
