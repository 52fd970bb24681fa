// The six screen backgrounds: the shared bands and bar, and where their words are painted.
#include <gtest/gtest.h>
#include <QPainter>
#include <vector>

#include "committed_files.h"

namespace {

using assets_test::decodedPicture;
using assets_test::inkIn;
using assets_test::isInk;
using assets_test::near;

// JPEG at the highest quality still moves a channel by a step or two, and a little more where
// colour is averaged over 2 x 2 pixels next to the bar.
constexpr int kJpegTolerance = 3;
constexpr int kBarDarkest = 40;
constexpr int kBandNotBar = 80;

constexpr QRect box(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Controls are laid out in twips, 15 to a pixel; a control covers every pixel it touches.
constexpr int kTwipsPerPixel = 15;
struct Control {
    const char* name;
    int left, top, width, height;
    QRect pixels() const {
        return box(left / kTwipsPerPixel, top / kTwipsPerPixel,
                   (left + width + kTwipsPerPixel - 1) / kTwipsPerPixel - 1,
                   (top + height + kTwipsPerPixel - 1) / kTwipsPerPixel - 1);
    }
};

struct Text {
    const char* text;
    QRect box;
};

struct BackgroundCase {
    const char* file;
    std::vector<Text> texts;
    std::vector<Control> controls;
};

// The cylinder and cone backgrounds carry the same words under their own titles.
std::vector<Text> solidWords(const Text& title) {
    return {title,
            {"радиус", box(179, 113, 257, 126)},
            {"высота", box(180, 141, 259, 151)},
            {"вычислить", box(382, 170, 465, 177)},
            {"площадь боковой поверхности", box(171, 265, 402, 277)},
            {"площадь полной поверхности", box(171, 287, 403, 299)}};
}

const Control kBackButton{"cmd2", 6840, 5400, 1335, 300};

const std::vector<BackgroundCase> kBackgrounds{
    {"menu.jpg",
     {{"Решалкин", box(161, 16, 557, 40)},
      {"Площадь и гипотенуза треугольника", box(153, 93, 447, 104)},
      {"Находим площадь и длину окружности", box(153, 123, 456, 134)},
      {"Находим площадь полной и боковой", box(153, 152, 438, 162)},
      {"поверхности цилиндра", box(153, 174, 330, 183)},
      {"Находим площадь полной и боковой", box(153, 201, 438, 211)},
      {"поверхности конуса", box(153, 223, 312, 232)},
      {"Калькулятор", box(153, 251, 249, 262)},
      {"web address", box(408, 377, 569, 384)}},
     {{"cmd1", 7560, 1320, 855, 375},
      {"cmd2", 7560, 1800, 855, 375},
      {"cmd3", 7560, 2280, 855, 375},
      {"cmd4", 7560, 3000, 855, 375},
      {"cmd6", 7560, 3600, 855, 375}}},
    {"triangle.jpg",
     {{"Площадь и гипотенуза", box(126, 13, 566, 40)},
      {"катеты", box(174, 105, 265, 131)},
      {"вычислить", box(382, 170, 465, 177)},
      {"гипотенуза", box(216, 277, 321, 287)},
      {"площадь", box(216, 299, 318, 308)}},
     {{"txt1", 4200, 1530, 1575, 285},
      {"txt2", 4200, 1770, 1575, 285},
      {"txt3", 4920, 4080, 1935, 285},
      {"txt4", 4920, 4440, 1935, 285},
      {"cmd1", 5640, 2760, 1455, 375},
      kBackButton}},
    {"circle.jpg",
     {{"Площадь и длинна окр.", box(117, 14, 573, 42)},
      {"радиус", box(173, 133, 253, 147)},
      {"вычислить", box(382, 170, 465, 177)},
      {"длина", box(208, 266, 280, 275)},
      {"площадь", box(209, 291, 281, 300)}},
     {{"txt1", 4080, 1960, 1695, 285},
      {"cmd1", 5620, 2760, 1455, 375},
      {"txt2", 4560, 3960, 1455, 285},
      {"txt3", 4560, 4320, 1455, 285},
      kBackButton}},
    {"cylinder.jpg",
     solidWords({"Работа с цилиндром", box(156, 11, 551, 40)}),
     {{"txt1", 4080, 1645, 1455, 285},
      {"txt2", 4080, 2090, 1455, 285},
      {"cmd1", 5619, 2750, 1455, 375},
      {"txt3", 6240, 3930, 1455, 285},
      {"txt4", 6240, 4290, 1455, 285},
      kBackButton}},
    {"cone.jpg",
     solidWords({"Работа с конусом", box(156, 15, 537, 43)}),
     {{"txt1", 4080, 1645, 1455, 285},
      {"txt2", 4080, 2040, 1455, 285},
      {"cmd1", 5619, 2760, 1455, 375},
      {"txt3", 6240, 3960, 1455, 285},
      {"txt4", 6240, 4320, 1455, 285},
      kBackButton}},
    {"calculator.jpg",
     {{"Калькулятор", box(218, 16, 478, 44)}},
     {{"txt1Dec", 2640, 1680, 855, 285},
      {"txt2Dec", 3720, 1680, 855, 285},
      {"txt3Dec", 2400, 1200, 4695, 285},
      {"cmd1", 7800, 3000, 375, 375},
      {"txt2Oct", 3720, 3360, 855, 285},
      {"txt3Oct", 2400, 2880, 4695, 285},
      {"Command1", 7800, 1560, 375, 375},
      {"txt1Oct", 2640, 3360, 855, 285},
      {"Command2", 7800, 2280, 375, 375},
      {"Command3", 7800, 3720, 375, 375},
      {"txt1Hex", 2640, 5040, 855, 285},
      {"txt2Hex", 3720, 5040, 855, 285},
      {"txt3Hex", 2400, 4560, 4695, 285},
      kBackButton,
      {"Label1", 2520, 960, 1335, 255},
      {"Label2", 2520, 2640, 1455, 255},
      {"Label3", 2520, 4320, 2535, 255}}},
};

struct BandSample {
    int x;
    QRgb colour;
};

const BandSample kBandSamples[] = {
    {0, qRgb(22, 88, 136)},     {20, qRgb(58, 113, 152)},   {40, qRgb(97, 142, 173)},
    {60, qRgb(134, 168, 193)},  {80, qRgb(174, 197, 213)},  {100, qRgb(209, 222, 230)},
    {122, qRgb(255, 255, 255)}, {300, qRgb(255, 255, 255)}, {571, qRgb(255, 255, 255)},
    {580, qRgb(179, 198, 215)}, {590, qRgb(98, 143, 176)},  {599, qRgb(22, 88, 136)},
};
// Rows where no word reaches the bands, from top to just above the bar.
const int kBandRows[] = {0, 60, 200, 330, 386};

const QRect kBar = box(25, 389, 575, 394);

// Smoothed edges and JPEG blocks may spread a letter's ink a pixel past its box.
constexpr int kInkSpread = 1;
// The clear margin kept around every control: a word must not run under a field or button.
constexpr int kControlMargin = 4;
// The white middle of the picture, above the bar, where only the listed words may be painted.
const QRect kWhiteMiddle = box(110, 0, 575, 386);
// Where the cylinder and cone titles lie: whole 16-pixel JPEG block rows.
constexpr int kTitleRows = 48;

TEST(Backgrounds, BandsFollowTheirGradientInEveryRow) {
    for (const BackgroundCase& background : kBackgrounds) {
        const QImage picture = decodedPicture(background.file);
        ASSERT_FALSE(picture.isNull()) << background.file;
        for (int y : kBandRows)
            for (const BandSample& sample : kBandSamples)
                EXPECT_TRUE(near(picture.pixel(sample.x, y), sample.colour, kJpegTolerance))
                    << background.file << " x=" << sample.x << " y=" << y << " has " << std::hex
                    << picture.pixel(sample.x, y);
    }
}

TEST(Backgrounds, BlackBarCoversRows389To394AndColumns25To575) {
    for (const BackgroundCase& background : kBackgrounds) {
        const QImage picture = decodedPicture(background.file);
        int lightest = 0;
        for (int y = kBar.top(); y <= kBar.bottom(); ++y)
            for (int x = kBar.left(); x <= kBar.right(); ++x)
                lightest = std::max({lightest, qRed(picture.pixel(x, y)),
                                     qGreen(picture.pixel(x, y)), qBlue(picture.pixel(x, y))});
        EXPECT_LE(lightest, kBarDarkest) << background.file << ": every bar pixel is black";
        const int middle = kBar.center().x();
        EXPECT_FALSE(isInk(picture.pixel(middle, kBar.top() - 1))) << background.file << " above";
        EXPECT_FALSE(isInk(picture.pixel(middle, kBar.bottom() + 1)))
            << background.file << " below";
        for (int x : {kBar.left() - 1, kBar.right() + 1})
            EXPECT_GT(qGray(picture.pixel(x, kBar.center().y())), kBandNotBar)
                << background.file << ": the band beside the bar at x=" << x;
    }
}

TEST(Backgrounds, CylinderAndConeDifferOnlyInTheTitle) {
    const QImage cylinder = decodedPicture("cylinder.jpg");
    const QImage cone = decodedPicture("cone.jpg");
    ASSERT_EQ(cylinder.size(), cone.size());
    EXPECT_EQ(cylinder.copy(0, kTitleRows, 600, 400 - kTitleRows),
              cone.copy(0, kTitleRows, 600, 400 - kTitleRows));
    EXPECT_NE(cylinder.copy(0, 0, 600, kTitleRows), cone.copy(0, 0, 600, kTitleRows));
}

QRect spread(const QRect& box) {
    return box.adjusted(-kInkSpread, -kInkSpread, kInkSpread, kInkSpread);
}

// The smallest rectangle holding every ink pixel inside the area.
QRect inkBounds(const QImage& picture, const QRect& area) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(picture.pixel(x, y))) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(Backgrounds, EveryWordFillsItsBox) {
    for (const BackgroundCase& background : kBackgrounds) {
        const QImage picture = decodedPicture(background.file);
        for (const Text& text : background.texts) {
            SCOPED_TRACE(std::string(background.file) + ": " + text.text);
            const QRect ink = inkBounds(picture, spread(text.box));
            EXPECT_GE(ink.width() * 100, text.box.width() * 95) << "ink spans the box's width";
            EXPECT_GE(ink.height() * 100, text.box.height() * 85) << "ink spans the box's height";
        }
    }
}

TEST(Backgrounds, NothingIsPaintedOutsideTheWordsBoxes) {
    for (const BackgroundCase& background : kBackgrounds) {
        QImage picture = decodedPicture(background.file).convertToFormat(QImage::Format_RGB32);
        QPainter painter(&picture);
        for (const Text& text : background.texts) painter.fillRect(spread(text.box), Qt::white);
        painter.end();
        EXPECT_EQ(inkBounds(picture, kWhiteMiddle), QRect()) << background.file;
    }
}

TEST(Backgrounds, NoWordRunsUnderAControl) {
    for (const BackgroundCase& background : kBackgrounds) {
        const QImage picture = decodedPicture(background.file);
        for (const Control& control : background.controls) {
            const QRect margin = control.pixels().adjusted(-kControlMargin, -kControlMargin,
                                                           kControlMargin, kControlMargin);
            EXPECT_EQ(inkIn(picture, margin), 0) << background.file << ": " << control.name;
        }
    }
}

}  // namespace
