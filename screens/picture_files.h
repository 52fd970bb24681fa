#pragma once

#include <QImage>
#include <QPixmap>
#include <future>
#include <optional>
#include <vector>

#include "assets/pictures.h"
#include "screens/layout.h"

namespace screens {

// A built-in picture for a screen of the given device pixel ratio: above 1 the file drawn at
// twice the size ("name@2x.jpg"), marked as such, so that a high-density screen shows it pixel
// for pixel; otherwise the picture itself. Each file is decoded once and then shared.
QPixmap loadPicture(assets::Picture picture, qreal devicePixelRatio);

// Decodes a picture at one pixel to a pixel. Runs on any thread, also before the application
// object exists; gives a null image where the picture must be left to loadPicture.
QImage decodePicture(assets::Picture picture);

// Tells loadPicture that another thread is decoding this picture at one pixel to a pixel
// (decodePicture), so that its first load at that ratio waits for the result rather than
// decoding it again. On the GUI thread.
void expectPicture(assets::Picture picture, std::future<QImage> decoding);

// The pictures a screen shows: its background and its buttons' faces.
std::vector<assets::Picture> picturesOf(const ScreenLayout& layout);

// A picture a widget shows: loaded when first drawn, not when the widget is made, and again
// when the widget moves to a screen of another density.
class ShownPicture {
  public:
    explicit ShownPicture(std::optional<assets::Picture> picture) : picture_(picture) {}
    const QPixmap& at(qreal devicePixelRatio);

  private:
    std::optional<assets::Picture> picture_;
    QPixmap pixmap_;
};

}  // namespace screens
