#include "app/early_start.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <utility>

#include "app/font_configuration.h"
#include "screens/layout.h"
#include "screens/picture_files.h"
#include "screens/utf8.h"

namespace app {

namespace {

std::vector<QString> captionsOf(const screens::ScreenLayout& layout) {
    std::vector<QString> captions;
    for (const screens::ControlLayout& control : layout.controls)
        if (!control.caption.empty()) captions.push_back(screens::fromUtf8(control.caption));
    return captions;
}

}  // namespace

EarlyStart::EarlyStart(ScreenId first)
    : pictures_(screens::picturesOf(screens::layoutOf(first))),
      decoded_(pictures_.size()),
      captions_(captionsOf(screens::layoutOf(first))) {
    for (std::size_t i = 0; i < pictures_.size(); ++i)
        screens::expectPicture(pictures_[i], decoded_[i].get_future());
    worker_ = std::thread(&EarlyStart::work, this);
}

EarlyStart::~EarlyStart() {
    finish();
}

void EarlyStart::work() {
    readFontConfiguration();
    applicationMade_.wait();
    // Fonts first: the window's captions are measured before the pictures are drawn.
    if (applicationExists_) QFontDatabase::families();
    for (std::size_t i = 0; i < pictures_.size(); ++i)
        decoded_[i].set_value(applicationExists_ ? screens::decodePicture(pictures_[i]) : QImage());
    if (!applicationExists_) return;
    // Qt's choice of fallback fonts is shared by all threads; each thread then keeps its own
    // glyphs, which is the small part.
    const QFontMetrics metrics(QGuiApplication::font());
    for (const QString& caption : captions_) metrics.horizontalAdvance(caption);
}

void EarlyStart::applicationReady() {
    release(true);
}

void EarlyStart::finish() {
    release(false);
    if (worker_.joinable()) worker_.join();
}

void EarlyStart::release(bool applicationExists) {
    if (std::exchange(released_, true)) return;
    applicationExists_ = applicationExists;
    applicationMade_.count_down();
}

}  // namespace app
