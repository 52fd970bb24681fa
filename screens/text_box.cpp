#include "screens/text_box.h"

#include <qdrawutil.h>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <limits>

namespace screens {

namespace {

// Qt keeps some 20 bytes of undo history for every letter an edit inserts or removes.
constexpr qsizetype kLargestUndoableEdit = 4'096;

}  // namespace

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

// A line edit never gives back the storage its undo history took, so a key that may edit
// thousands of letters acts on a throwaway line edit; its result cannot be undone.
void TextBox::keyPressEvent(QKeyEvent* event) {
    const qsizetype pasted =
        event->matches(QKeySequence::Paste) ? QGuiApplication::clipboard()->text().size() : 0;
    if (selectionLength() + pasted > kLargestUndoableEdit) {
        QLineEdit scratch;
        scratch.setMaxLength(maxLength());
        scratch.setText(text());
        scratch.setCursorPosition(cursorPosition());
        if (hasSelectedText()) {
            const int anchor =
                cursorPosition() == selectionStart() ? selectionEnd() : selectionStart();
            scratch.setSelection(anchor, cursorPosition() - anchor);
        }
        QCoreApplication::sendEvent(&scratch, event);
        if (scratch.text() != text()) {
            setText(scratch.text());
            setCursorPosition(scratch.cursorPosition());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace screens
