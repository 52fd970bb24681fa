#include "screens/captions.h"

#include <QApplication>
#include <QFontMetrics>

#include "screens/picture_button.h"
#include "screens/utf8.h"

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

int roomFor(const QWidget& widget, const ControlLayout& layout) {
    return layout.kind == ControlKind::CommandButton ? widget.width() - 2 * PictureButton::kBevel
                                                     : widget.width();
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

void ScreenCaptions::addButton(QWidget* button, const ControlLayout& layout) {
    buttons_.emplace_back(button, &layout);
}

void ScreenCaptions::addLabel(QWidget* label, const ControlLayout& layout) {
    labels_.emplace_back(label, &layout);
}

void ScreenCaptions::fit() {
    if (fitFromCache()) return;
    fitByMeasuring(buttons_);
    fitByMeasuring(labels_);
}

// Labels draw their own text, so only a screen whose captions are all on buttons can do
// without fonts.
bool ScreenCaptions::fitFromCache() {
    if (!cache_ || !labels_.empty() || buttons_.empty()) return false;
    std::vector<CaptionCache::Caption> found;
    for (const auto& [widget, layout] : buttons_) {
        auto caption = cache_->find(captionKey(*static_cast<PictureButton*>(widget)));
        if (!caption) return false;
        found.push_back(std::move(*caption));
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* button = static_cast<PictureButton*>(buttons_[i].first);
        setPointSize(*button, found[i].pointSize);
        button->setCaptionMask(std::move(found[i].mask));
    }
    return true;
}

void ScreenCaptions::settle() {
    if (!cache_) return;
    fitByMeasuring(buttons_);
    fitByMeasuring(labels_);
    for (const auto& [widget, layout] : buttons_) {
        auto* button = static_cast<PictureButton*>(widget);
        QImage drawn = button->drawCaption();
        if (drawn != button->captionMask()) {
            button->setCaptionMask(drawn);
            button->update();
        }
        cache_->put(captionKey(*button), {button->font().pointSizeF(), std::move(drawn)});
    }
    cache_->save();
}

void ScreenCaptions::fitByMeasuring(const std::vector<Captioned>& sameKind) {
    qreal smallest = 0;
    for (const auto& [widget, layout] : sameKind) {
        const qreal size =
            fittingPointSize(*widget, fromUtf8(layout->caption), roomFor(*widget, *layout));
        if (size > 0 && (smallest == 0 || size < smallest)) smallest = size;
    }
    if (smallest == 0) return;
    for (const auto& [widget, layout] : sameKind) setPointSize(*widget, smallest);
}

}  // namespace screens
