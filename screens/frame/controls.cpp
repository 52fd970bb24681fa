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

QWidget* createButton(const ControlRow& row, QWidget* parent) {
    return new PictureButton(fromUtf8(row.caption), row.picture, parent);
}

// A finger held on a field shows what hover and the right button show a mouse.
QWidget* createTextBox(QWidget* parent) {
    auto* box = new TextBox(parent);
    new TouchHold(*box);
    return box;
}

QWidget* createLabel(const ControlRow& row, QWidget* parent) {
    auto* label = new QLabel(fromUtf8(row.caption), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colourOf(row.backColour));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    label->setPalette(palette);
    return label;
}

QWidget* createWidget(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::CommandButton:
            return createButton(row, parent);
        case ControlKind::TextBox:
            return createTextBox(parent);
        case ControlKind::Label:
            return createLabel(row, parent);
    }
    return nullptr;
}

}  // namespace

QWidget* createControl(const ControlRow& row, QWidget* parent) {
    QWidget* widget = createWidget(row, parent);
    widget->setObjectName(fromUtf8(row.name));
    widget->setGeometry(pixelRect(row.left, row.top, row.width, row.height));
    if (!row.accessibleName.empty()) widget->setAccessibleName(fromUtf8(row.accessibleName));
    if (!row.toolTip.empty()) widget->setToolTip(fromUtf8(row.toolTip));
    return widget;
}

}  // namespace screens
