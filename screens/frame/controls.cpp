#include "screens/frame/controls.h"

#include <QLabel>

#include "screens/frame/colours.h"
#include "screens/frame/twips.h"
#include "screens/widgets/picture_button.h"
#include "screens/widgets/text_box.h"
#include "screens/widgets/touch_hold.h"
#include "screens/widgets/utf8.h"

namespace screens {

namespace {

QWidget* createButton(const ControlRow& layout, QWidget* parent) {
    return new PictureButton(fromUtf8(layout.caption), layout.picture, parent);
}

// A finger held on a field shows what hover and the right button show a mouse.
QWidget* createTextBox(QWidget* parent) {
    auto* box = new TextBox(parent);
    new TouchHold(*box);
    return box;
}

QWidget* createLabel(const ControlRow& layout, QWidget* parent) {
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

QWidget* createWidget(const ControlRow& layout, QWidget* parent) {
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

QWidget* createControl(const ControlRow& layout, QWidget* parent) {
    QWidget* widget = createWidget(layout, parent);
    widget->setObjectName(fromUtf8(layout.name));
    widget->setGeometry(pixelRect(layout.left, layout.top, layout.width, layout.height));
    if (!layout.accessibleName.empty()) widget->setAccessibleName(fromUtf8(layout.accessibleName));
    if (!layout.toolTip.empty()) widget->setToolTip(fromUtf8(layout.toolTip));
    return widget;
}

}  // namespace screens
