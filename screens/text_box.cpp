#include "screens/text_box.h"

#include <qdrawutil.h>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <limits>

namespace screens {

namespace {

// About 80 KB of undo history at the most (a letter takes some 20 bytes).
constexpr qsizetype kLargestUndoableEdit = 4'096;
constexpr const char* kPasteAction = "edit-paste";  // the standard context menu's name for it

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setFrame(true);
    // A line edit stops at 32767 characters unless told otherwise; a field has no limit.
    setMaxLength(std::numeric_limits<int>::max());
    // The user's edits are announced before the change of text.
    connect(this, &QLineEdit::textEdited, this, &TextBox::boundUndoHistory);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { length_ = text.size(); });
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    // The style's frame, whatever it is, gives way to the classic two-pixel sunken border.
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<QString> inserted = largeEdit(*event)) {
        if (event->matches(QKeySequence::Cut)) copy();
        replaceSelection(*inserted);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

std::optional<QString> TextBox::largeEdit(const QKeyEvent& event) const {
    std::optional<QString> inserted;
    const bool removes = event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete ||
                         event.matches(QKeySequence::Cut);
    if (event.matches(QKeySequence::Paste)) {
        inserted = QGuiApplication::clipboard()->text();
    } else if (hasSelectedText() && removes) {
        inserted = QString();
    } else if (hasSelectedText() && !event.text().isEmpty() && event.text().front().isPrint()) {
        inserted = event.text();
    }
    if (inserted && isLarge(*inserted)) return inserted;
    return std::nullopt;
}

bool TextBox::isLarge(const QString& inserted) const {
    return selectedText().size() + inserted.size() > kLargestUndoableEdit;
}

void TextBox::replaceSelection(const QString& inserted) {
    const QString before = text();
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype removed = selectedText().size();
    setText(before.left(start) + inserted + before.mid(start + removed));
    setCursorPosition(static_cast<int>(start + inserted.size()));
}

void TextBox::pasteFrom(QClipboard::Mode mode) {
    const QString inserted = QGuiApplication::clipboard()->text(mode);
    if (isLarge(inserted)) {
        replaceSelection(inserted);
    } else if (mode == QClipboard::Clipboard) {
        paste();
    } else {
        insert(inserted);
    }
}

// X11 pastes the selection with the middle button.
void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        isLarge(QGuiApplication::clipboard()->text(QClipboard::Selection))) {
        deselect();
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (action->objectName() != QLatin1String(kPasteAction)) continue;
        action->disconnect();
        connect(action, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

// Small edits add up: past as many letters as one large edit, the history starts afresh. An
// edit inserts and removes no more letters than the text held before and after it.
void TextBox::boundUndoHistory(const QString& edited) {
    editedSinceReset_ += length_ + edited.size();
    if (editedSinceReset_ <= kLargestUndoableEdit) return;
    editedSinceReset_ = 0;
    const int cursor = cursorPosition();
    setText(edited);  // the same text, with a history of its own
    setCursorPosition(cursor);
}

}  // namespace screens
