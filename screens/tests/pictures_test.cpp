// Decoding the built-in pictures without Qt's image plug-ins, and handing over pictures that
// another thread decoded.
#include <gtest/gtest.h>

#include <QFile>
#include <QPixmapCache>
#include <future>

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
        EXPECT_EQ(decodePicture(picture).convertToFormat(QImage::Format_RGB32),
                  decodedByQt(picture, 1))
            << "off the GUI thread's path: " << assets::resourcePath(picture);
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

// A picture of one colour, to tell a handed-over picture from the file's own.
QImage marked(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

TEST(Pictures, APictureDecodedElsewhereIsUsedOnceAndThenShared) {
    QPixmapCache::clear();
    std::promise<QImage> decoding;
    expectPicture(Picture::PlusSign, decoding.get_future());
    decoding.set_value(marked({20, 20}));
    EXPECT_EQ(loadPicture(Picture::PlusSign, 1).toImage().pixelColor(3, 3), QColor(Qt::magenta));
    EXPECT_EQ(loadPicture(Picture::PlusSign, 1).toImage().pixelColor(3, 3), QColor(Qt::magenta))
        << "kept, not decoded again";
}

TEST(Pictures, ExpectationsThatCannotServeTheLoadAreDropped) {
    const struct {
        const char* what;
        Picture picture;
        qreal ratio;
        QImage handed;
    } kCases[] = {
        {"a high-density screen wants its own picture", Picture::MinusSign, 2, marked({20, 20})},
        {"the other thread gave up", Picture::TimesSign, 1, QImage()},
    };
    QPixmapCache::clear();
    for (const auto& c : kCases) {
        std::promise<QImage> decoding;
        expectPicture(c.picture, decoding.get_future());
        decoding.set_value(c.handed);
        EXPECT_EQ(loadPicture(c.picture, c.ratio).toImage().convertToFormat(QImage::Format_RGB32),
                  decodedByQt(c.picture, c.ratio))
            << c.what;
    }
}

}  // namespace
}  // namespace screens
