#include "screens/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <limits>

#include "screens/colours.h"
#include "screens/picture_button.h"
#include "screens/twips.h"

namespace screens {

namespace {

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* createButton(const ControlLayout& layout, QWidget* parent) {
    QPixmap face;
    if (layout.picture) face.load(assets::resourcePath(*layout.picture));
    return new PictureButton(qstring(layout.caption), face, parent);
}

QWidget* createTextBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setFrame(true);
    // A line edit stops at 32767 characters unless told otherwise; a field has no limit.
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QWidget* createLabel(const ControlLayout& layout, QWidget* parent) {
    auto* label = new QLabel(qstring(layout.caption), parent);
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
    widget->setObjectName(qstring(layout.name));
    widget->setGeometry(pixelRect(layout.left, layout.top, layout.width, layout.height));
    if (!layout.accessibleName.empty()) widget->setAccessibleName(qstring(layout.accessibleName));
    return widget;
}

}  // namespace screens
