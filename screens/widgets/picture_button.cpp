#include "screens/widgets/picture_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace screens {

namespace {

constexpr int kCaptionMargin = 1;  // between the caption and the bottom bevel

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

void PictureButton::mousePressEvent(QMouseEvent* event) {
    leftAt_.reset();
    QPushButton::mousePressEvent(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    if (isDown() && !hitButton(event->position().toPoint())) leftAt_ = event->timestamp();
    QPushButton::mouseMoveEvent(event);
}

// A pressed button is let go off it, and does nothing, when the pupil drags the pointer away
// first. A release that the window system reports at a later position of the pointer (it may
// when the press, the release and the next motion come together) arrives with no motion before
// it but the one Qt makes up to the release's place, stamped with the release's own time: that
// is a click on the button, and it acts.
void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool movedOnlyByTheRelease =
        event->button() == Qt::LeftButton && !isDown() && leftAt_ == event->timestamp();
    QPushButton::mouseReleaseEvent(event);
    leftAt_.reset();
    if (movedOnlyByTheRelease) click();
}

QRect PictureButton::faceRect() const {
    return rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
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

    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(face.adjusted(0, 0, 0, -kCaptionMargin),
                         Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.state |= kShownFocus;
        focus.rect = face.adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace screens
