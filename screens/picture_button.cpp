#include "screens/picture_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace screens {

namespace {

constexpr int kCaptionMargin = 1;  // between the caption and the bottom bevel
constexpr qreal kInchesPerMetre = 1 / 0.0254;
constexpr int kCaptionFlags = Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine;

}  // namespace

PictureButton::PictureButton(const QString& caption, std::optional<assets::Picture> face,
                             QWidget* parent)
    : QPushButton(caption, parent), face_(face) {
    setAutoDefault(false);
    setDefault(false);
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PictureButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange) captionMask_ = QImage();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        tinted_ = QImage();
}

QRect PictureButton::faceRect() const {
    return rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
}

QImage PictureButton::drawCaption() const {
    const qreal ratio = devicePixelRatioF();
    const QSize box = faceRect().size();
    QImage mask(box * ratio, QImage::Format_ARGB32_Premultiplied);
    mask.setDevicePixelRatio(ratio);
    // The widget's dots per inch, so that the font has the size it has on the screen.
    mask.setDotsPerMeterX(qRound(logicalDpiX() * kInchesPerMetre));
    mask.setDotsPerMeterY(qRound(logicalDpiY() * kInchesPerMetre));
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setFont(font());
    painter.setPen(Qt::white);
    painter.drawText(QRect(QPoint(), box).adjusted(0, 0, 0, -kCaptionMargin), kCaptionFlags,
                     text());
    return mask;
}

const QImage& PictureButton::captionMask() {
    if (captionMask_.isNull() || captionMask_.devicePixelRatio() != devicePixelRatioF())
        setCaptionMask(drawCaption());
    return captionMask_;
}

void PictureButton::setCaptionMask(QImage mask) {
    captionMask_ = std::move(mask);
    tinted_ = QImage();
}

const QImage& PictureButton::tintedCaption(const QColor& colour) {
    const QImage& mask = captionMask();
    if (tinted_.isNull() || tint_ != colour) {
        tinted_ = mask.copy();
        tinted_.setDevicePixelRatio(mask.devicePixelRatio());
        QPainter painter(&tinted_);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(QRect(QPoint(), mask.deviceIndependentSize().toSize()), colour);
        tint_ = colour;
    }
    return tinted_;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    // The focused button always shows it, not only after the keyboard was first used.
    constexpr QStyle::State kShownFocus =
        QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    if (hasFocus()) option.state |= kShownFocus;
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    // A pressed face moves one pixel down and right, as a pressed button does.
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    const QRect face = faceRect().translated(shift);
    painter.save();
    painter.setClipRect(face);
    const QPixmap& pixmap = face_.at(devicePixelRatioF());
    const QSize picture = pixmap.deviceIndependentSize().toSize();
    const int x = face.left() + (face.width() - picture.width()) / 2;
    const int y =
        text().isEmpty() ? face.top() + (face.height() - picture.height()) / 2 : face.top();
    painter.drawPixmap(x, y, pixmap);
    painter.restore();

    if (!text().isEmpty())
        painter.drawImage(face.topLeft(), tintedCaption(palette().color(QPalette::ButtonText)));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.state |= kShownFocus;
        focus.rect = face.adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace screens
