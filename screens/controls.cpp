#include "screens/controls.h"

#include <QFontMetrics>
#include <QLabel>

#include "screens/colours.h"
#include "screens/picture_button.h"
#include "screens/text_box.h"
#include "screens/twips.h"
#include "screens/utf8.h"

namespace screens {

namespace {

// The layouts were drawn for a smaller default font than many desktops use: a caption that does
// not fit its control is shown in a smaller size of the same font rather than cut off.
constexpr qreal kSmallestPointSize = 6;
constexpr qreal kPointSizeStep = 0.5;

void fitCaption(QWidget& widget, const QString& caption, int width) {
    QFont font = widget.font();
    if (font.pointSizeF() <= 0) return;  // a pixel-sized font: leave it as the desktop has it
    while (QFontMetrics(font).horizontalAdvance(caption) > width &&
           font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - kPointSizeStep);
    }
    if (font != widget.font()) widget.setFont(font);
}

QWidget* createButton(const ControlLayout& layout, QWidget* parent) {
    return new PictureButton(fromUtf8(layout.caption), layout.picture, parent);
}

QWidget* createTextBox(QWidget* parent) {
    return new TextBox(parent);
}

QWidget* createLabel(const ControlLayout& layout, QWidget* parent) {
    auto* label = new QLabel(fromUtf8(layout.caption), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colourOf(layout.backColour));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    label->setPalette(palette);
    return label;
}

QWidget* createWidget(const ControlLayout& layout, QWidget* parent) {
    switch (layout.kind) {
        case ControlKind::CommandButton:
            return createButton(layout, parent);
        case ControlKind::TextBox:
            return createTextBox(parent);
        case ControlKind::Label:
            return createLabel(layout, parent);
    }
    return nullptr;
}

}  // namespace

QWidget* createControl(const ControlLayout& layout, QWidget* parent) {
    QWidget* widget = createWidget(layout, parent);
    widget->setObjectName(fromUtf8(layout.name));
    widget->setGeometry(pixelRect(layout.left, layout.top, layout.width, layout.height));
    if (!layout.accessibleName.empty()) widget->setAccessibleName(fromUtf8(layout.accessibleName));
    return widget;
}

void fitCaptions(const std::vector<CaptionedControl>& sameKind) {
    for (const auto& [widget, layout] : sameKind) {
        const int room = layout->kind == ControlKind::CommandButton
                             ? widget->width() - 2 * PictureButton::kBevel
                             : widget->width();
        fitCaption(*widget, fromUtf8(layout->caption), room);
    }
    qreal smallest = 0;
    for (const auto& [widget, layout] : sameKind) {
        const qreal size = widget->font().pointSizeF();
        if (size > 0 && (smallest == 0 || size < smallest)) smallest = size;
    }
    for (const auto& [widget, layout] : sameKind) {
        QFont font = widget->font();
        if (font.pointSizeF() <= 0 || font.pointSizeF() == smallest) continue;
        font.setPointSizeF(smallest);
        widget->setFont(font);
    }
}

}  // namespace screens
