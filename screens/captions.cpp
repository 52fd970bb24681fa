#include "screens/captions.h"

#include <QApplication>
#include <QFontMetrics>
#include <utility>

#include "screens/picture_button.h"

namespace screens {

namespace {

constexpr qreal kSmallestPointSize = 6;
constexpr qreal kPointSizeStep = 0.5;

// The point size at which a caption fits, starting from the desktop's font for the control;
// 0 for a pixel-sized font, which is left as the desktop has it.
qreal fittingPointSize(const QWidget& widget, const QString& caption, int width) {
    QFont font = QApplication::font(&widget);
    if (font.pointSizeF() <= 0) return 0;
    while (QFontMetrics(font).horizontalAdvance(caption) > width &&
           font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - kPointSizeStep);
    }
    return font.pointSizeF();
}

void setPointSize(QWidget& widget, qreal pointSize) {
    QFont font = widget.font();
    if (font.pointSizeF() <= 0 || font.pointSizeF() == pointSize) return;
    font.setPointSizeF(pointSize);
    widget.setFont(font);
}

}  // namespace

QString captionKey(const PictureButton& button) {
    return QStringLiteral("%1|%2x%3|%4|%5|%6x%7|%8")
        .arg(button.text())
        .arg(button.width())
        .arg(button.height())
        .arg(QApplication::font(&button).toString())
        .arg(button.devicePixelRatioF())
        .arg(button.logicalDpiX())
        .arg(button.logicalDpiY())
        .arg(QLatin1String(qVersion()));
}

void ScreenCaptions::addButton(PictureButton* button) {
    buttons_.push_back({button, button->text(), button->faceRect().width()});
}

void ScreenCaptions::addLabel(QLabel* label) {
    labels_.push_back({label, label->text(), label->width()});
}

// Only buttons are added as buttons.
PictureButton& ScreenCaptions::button(const Captioned& captioned) {
    return *static_cast<PictureButton*>(captioned.control);
}

void ScreenCaptions::fit() {
    fromCache_ = fitFromCache();
    if (fromCache_) return;
    fitByMeasuring(buttons_);
    fitByMeasuring(labels_);
}

// Labels draw their own text, so only a screen whose captions are all on buttons can do
// without fonts.
bool ScreenCaptions::fitFromCache() {
    if (!cache_ || !labels_.empty() || buttons_.empty()) return false;
    std::vector<CaptionCache::Caption> found;
    for (const Captioned& captioned : buttons_) {
        auto caption = cache_->find(captionKey(button(captioned)));
        if (!caption) return false;
        found.push_back(std::move(*caption));
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        setPointSize(button(buttons_[i]), found[i].pointSize);
        button(buttons_[i]).setCaptionMask(std::move(found[i].mask));
    }
    return true;
}

void ScreenCaptions::settle() {
    if (!cache_) return;
    // What was measured before the first frame needs no second look.
    if (std::exchange(fromCache_, false)) {
        fitByMeasuring(buttons_);
        for (const Captioned& captioned : buttons_) {
            PictureButton& shown = button(captioned);
            QImage drawn = shown.drawCaption();
            if (drawn == shown.captionMask()) continue;
            shown.setCaptionMask(std::move(drawn));
            shown.update();
        }
    }
    for (const Captioned& captioned : buttons_) {
        PictureButton& shown = button(captioned);
        cache_->put(captionKey(shown), {shown.font().pointSizeF(), shown.captionMask()});
    }
    cache_->save();
}

void ScreenCaptions::fitByMeasuring(const std::vector<Captioned>& sameKind) {
    qreal smallest = 0;
    for (const Captioned& captioned : sameKind) {
        const qreal size = fittingPointSize(*captioned.control, captioned.caption, captioned.room);
        if (size > 0 && (smallest == 0 || size < smallest)) smallest = size;
    }
    if (smallest == 0) return;
    for (const Captioned& captioned : sameKind) setPointSize(*captioned.control, smallest);
}

}  // namespace screens
