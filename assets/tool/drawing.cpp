#include "drawing.h"

#include <array>
#include <cstdio>

#include "assets/picture_table.h"
#include "backgrounds.h"
#include "faces.h"
#include "lamp.h"
#include "picture_files.h"

namespace drawing {

namespace {

// The icon's images and the size of each one's stored block.
constexpr std::array<std::pair<int, int>, 8> kIconBlocks{{
    {16, 1280},
    {24, 2560},
    {32, 4352},
    {48, 9728},
    {64, 17152},
    {72, 21760},
    {96, 38144},
    {128, 67840},
}};

constexpr const char* kDesktopIconFolder = "desktop-icons";

// Every picture is drawn for screens of one and of two device pixels to a pixel.
constexpr std::array kScales{1, 2};

// Large enough that glyph outlines are not rounded to a coarse grid.
constexpr double kMeasuringSize = 100.0;

void drawIcons(const QDir& folder) {
    std::vector<IconImage> images;
    for (const auto& [size, blockSize] : kIconBlocks)
        images.push_back({drawLampIcon(size), blockSize});
    writeIco(images, folder.filePath(assets::fileName(assets::Picture::ProgramIcon)));
    folder.mkpath(kDesktopIconFolder);
    for (int size : assets::kDesktopIconSizes)
        writePng(drawLampIcon(size),
                 folder.filePath(
                     QStringLiteral("%1/reshalkin-%2.png").arg(kDesktopIconFolder).arg(size)));
}

TextStyle fittedStyle(const PaintedText& painted, const Typeface& typeface) {
    const QRectF ink = typeface.outline(painted.text, {kMeasuringSize, 0.0, 1.0}).boundingRect();
    const double pixelSize = kMeasuringSize * (painted.box.height()) / ink.height();
    const double spacing = painted.style.letterSpacing * (painted.text.size() - 1);
    const double widthScale =
        (painted.box.width() - spacing) / (ink.width() * pixelSize / kMeasuringSize);
    return {pixelSize, painted.style.letterSpacing, widthScale};
}

}  // namespace

void drawAll(const Typeface& typeface, const QDir& folder) {
    for (const int scale : kScales) {
        const auto path = [&](assets::Picture picture) {
            return folder.filePath(assets::atScale(assets::fileName(picture), scale));
        };
        for (const Background& background : backgrounds()) {
            QImage image = drawBackgroundTemplate(scale);
            paintTexts(image, background.texts, typeface, scale);
            writeJpeg(image, path(background.picture));
        }
        writeJpeg(drawButtonFace(scale), path(assets::Picture::ButtonFace));
        for (const OperatorSign& sign : drawOperatorSigns(scale))
            writeJpeg(sign.image, path(sign.picture));
    }
    drawIcons(folder);
}

void printFittedStyles(const Typeface& typeface) {
    for (const Background& background : backgrounds()) {
        for (const PaintedText& painted : background.texts) {
            const TextStyle style = fittedStyle(painted, typeface);
            std::printf("%-14s %-36s {%.4f, %.1f, %.4f}\n",
                        qPrintable(assets::fileName(background.picture)), qPrintable(painted.text),
                        style.pixelSize, style.letterSpacing, style.widthScale);
        }
    }
}

}  // namespace drawing
