#include "screens/text_box.h"

#include <qdrawutil.h>
#include <QPainter>
#include <limits>

namespace screens {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setFrame(true);
    // A line edit stops at 32767 characters unless told otherwise; a field has no limit.
    setMaxLength(std::numeric_limits<int>::max());
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    // The style's frame, whatever it is, gives way to the classic two-pixel sunken border.
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
}

}  // namespace screens
