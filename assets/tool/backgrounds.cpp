#include "backgrounds.h"

#include <QPainter>
#include <array>

#include "failure.h"
#include "product.h"
#include "ramps.h"

namespace drawing {

namespace {

using assets::Picture;

constexpr QSize kBackgroundSize(600, 400);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBandBlue = qRgb(22, 88, 136);

// The left band runs from blue at the edge to white; its known sample colours are stops of
// their own, so the band passes through them exactly.
constexpr std::array kLeftBand{
    ColourStop{0, kBandBlue},
    ColourStop{20, qRgb(58, 113, 152)},
    ColourStop{40, qRgb(97, 142, 173)},
    ColourStop{60, qRgb(134, 168, 193)},
    ColourStop{80, qRgb(174, 197, 213)},
    ColourStop{100, qRgb(209, 222, 230)},
    ColourStop{122, kWhite},
};

// The right band mirrors it over a shorter run.
constexpr std::array kRightBand{
    ColourStop{571, kWhite},
    ColourStop{580, qRgb(179, 198, 215)},
    ColourStop{590, qRgb(98, 143, 176)},
    ColourStop{599, kBandBlue},
};

// The bar along which the progress sweep runs: rows 389 to 394, columns 25 to 575.
constexpr QRect kBar(QPoint(25, 389), QPoint(575, 394));

// The painted letters' box: left, top, right and bottom pixel, inclusive.
constexpr QRect box(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The pixels that the outline touches, so that smoothed edges count as ink.
QRect inkBox(const QPainterPath& path) {
    return path.boundingRect().toAlignedRect();
}

QString corner(QPoint point) {
    return QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
}

// Pixel sizes and width scales were fitted to the boxes for FreeMono with
// `picture-tool --fit`, then rounded down so that the letters stay inside their boxes.
const PaintedText kComputeWord{"вычислить", box(382, 170, 465, 177), {17.89, 0, 0.905}};

// The cylinder and cone backgrounds differ only in their titles.
std::vector<PaintedText> solidWords(const PaintedText& title) {
    return {
        title,
        {"радиус", box(179, 113, 257, 126), {22.68, 0, 0.991}},
        {"высота", box(180, 141, 259, 151), {24.6, 0, 0.947}},
        kComputeWord,
        {"площадь боковой поверхности", box(171, 265, 402, 277), {15.66, 0, 0.922}},
        {"площадь полной поверхности", box(171, 287, 403, 299), {15.66, 0, 0.961}},
    };
}

}  // namespace

const std::vector<Background>& backgrounds() {
    static const std::vector<Background> table{
        {Picture::MenuBackground,
         {
             // The title's capitals stand about 22 pixels high, as on the other screens,
             // with a wide gap between letters.
             {product::kName, box(161, 16, 557, 40), {38.7, 30, 1.0}},
             {"Площадь и гипотенуза треугольника", box(153, 93, 447, 104), {16.02, 0, 0.935}},
             {"Находим площадь и длину окружности", box(153, 123, 456, 134), {16.02, 0, 0.935}},
             {"Находим площадь полной и боковой", box(153, 152, 438, 162), {14.43, 0, 1.038}},
             {"поверхности цилиндра", box(153, 174, 330, 183), {16.2, 0, 0.925}},
             {"Находим площадь полной и боковой", box(153, 201, 438, 211), {14.43, 0, 1.038}},
             {"поверхности конуса", box(153, 223, 312, 232), {16.2, 0, 0.925}},
             {"Калькулятор", box(153, 251, 249, 262), {16.02, 0, 0.932}},
             {product::kPublisher, box(408, 377, 569, 384), {9.87, 1.8, 1.021}},
         }},
        {Picture::TriangleBackground,
         {
             {"Площадь и гипотенуза", box(126, 13, 566, 40), {37.38, 0, 0.992}},
             {"катеты", box(174, 105, 265, 131), {60.39, 0, 0.432}},
             kComputeWord,
             {"гипотенуза", box(216, 277, 321, 287), {17.82, 0, 1.02}},
             {"площадь", box(216, 299, 318, 308), {18.21, 7, 0.831}},
         }},
        {Picture::CircleBackground,
         {
             {"Площадь и длинна окр.", box(117, 14, 573, 42), {38.72, 0, 0.957}},
             {"радиус", box(173, 133, 253, 147), {24.31, 0, 0.948}},
             kComputeWord,
             {"длина", box(208, 266, 280, 275), {18.21, 8, 0.78}},
             {"площадь", box(209, 291, 281, 300), {18.21, 0, 0.995}},
         }},
        {Picture::CylinderBackground,
         solidWords({"Работа с цилиндром", box(156, 11, 551, 40), {36.94, 0, 1.001}})},
        {Picture::ConeBackground,
         solidWords({"Работа с конусом", box(156, 15, 537, 43), {35.71, 0, 1.125}})},
        {Picture::CalculatorBackground,
         {
             {"Калькулятор", box(218, 16, 478, 44), {38.72, 0, 1.037}},
         }},
    };
    return table;
}

QImage drawBackgroundTemplate(int scale) {
    QImage image(kBackgroundSize * scale, QImage::Format_RGB32);
    image.fill(kWhite);
    fillRamp(image, kLeftBand, kLeftBand.front().x, kLeftBand.back().x, scale);
    fillRamp(image, kRightBand, kRightBand.front().x, kRightBand.back().x, scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.fillRect(kBar, Qt::black);
    return image;
}

void paintTexts(QImage& image, const std::vector<PaintedText>& texts, const Typeface& typeface,
                int scale) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    for (const PaintedText& painted : texts) {
        QPainterPath path = typeface.outline(painted.text, painted.style);
        path.translate(QPointF(painted.box.topLeft()) - path.boundingRect().topLeft());
        if (const QRect ink = inkBox(path); !painted.box.contains(ink))
            throw failure(QStringLiteral("\"%1\" is drawn over %2 to %3, outside its box %4 to %5")
                              .arg(painted.text, corner(ink.topLeft()), corner(ink.bottomRight()),
                                   corner(painted.box.topLeft()),
                                   corner(painted.box.bottomRight())));
        painter.fillPath(path, Qt::black);
    }
}

}  // namespace drawing
