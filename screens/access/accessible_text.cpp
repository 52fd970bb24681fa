#include "screens/access/accessible_text.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>

#include "screens/access/spoken_text.h"

namespace screens {

AccessibleText::AccessibleText(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::EditableText) {}

void* AccessibleText::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleText::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = readOnly();
    state.editable = !readOnly();
    state.selectableText = true;
    return state;
}

// The description too: a result field's is its formula.
QString AccessibleText::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) return spokenForm(shown()).text;
    if (kind == QAccessible::Description) return spokenForm(QAccessibleWidget::text(kind)).text;
    return QAccessibleWidget::text(kind);
}

void AccessibleText::selection(int index, int* start, int* end) const {
    *start = *end = 0;
    const auto [from, to] = shownSelection();
    if (index != 0 || from == to) return;
    const SpokenText spoken = spokenForm(shown());
    *start = spoken.at[from];
    *end = spoken.at[to];
}

int AccessibleText::selectionCount() const {
    const auto [from, to] = shownSelection();
    return from == to ? 0 : 1;
}

void AccessibleText::addSelection(int start, int end) {
    setSelection(0, start, end);
}

void AccessibleText::removeSelection(int) {
    setShownCursor(shownCursor());
}

void AccessibleText::setSelection(int, int start, int end) {
    const SpokenText spoken = spokenForm(shown());
    setShownSelection(spoken.shownOffset(start), spoken.shownOffset(end));
}

int AccessibleText::cursorPosition() const {
    return spokenForm(shown()).at[shownCursor()];
}

void AccessibleText::setCursorPosition(int position) {
    setShownCursor(spokenForm(shown()).shownOffset(position));
}

QString AccessibleText::text(int start, int end) const {
    const QString spoken = spokenForm(shown()).text;
    if (end < 0 || end > spoken.size()) end = static_cast<int>(spoken.size());
    return spoken.mid(start, std::max(0, end - start));
}

int AccessibleText::characterCount() const {
    return static_cast<int>(spokenForm(shown()).text.size());
}

QRect AccessibleText::characterRect(int offset) const {
    const QRect local = shownLetterRect(spokenForm(shown()).shownOffset(offset));
    return QRect(widget()->mapToGlobal(local.topLeft()), local.size());
}

int AccessibleText::offsetAtPoint(const QPoint& point) const {
    const int at = shownOffsetAt(widget()->mapFromGlobal(point));
    return at < 0 ? -1 : spokenForm(shown()).at[at];
}

void AccessibleText::scrollToSubstring(int start, int) {
    setCursorPosition(start);
}

// The text has no styles of its own: one run, of no attributes, covers it all.
QString AccessibleText::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

namespace {

class ReadingText : public AccessibleText {
  public:
    explicit ReadingText(QPlainTextEdit& text) : AccessibleText(&text), text_(text) {}

    QAccessible::State state() const override {
        QAccessible::State state = AccessibleText::state();
        state.multiLine = true;
        return state;
    }

  protected:
    QString shown() const override { return text_.toPlainText(); }
    int shownCursor() const override { return text_.textCursor().position(); }
    void setShownCursor(int at) override {
        QTextCursor cursor = text_.textCursor();
        cursor.setPosition(at);
        text_.setTextCursor(cursor);
    }
    std::pair<int, int> shownSelection() const override {
        const QTextCursor cursor = text_.textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd()};
    }
    void setShownSelection(int start, int end) override {
        QTextCursor cursor = text_.textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        text_.setTextCursor(cursor);
    }
    QRect shownLetterRect(int at) const override {
        QTextCursor cursor = text_.textCursor();
        cursor.setPosition(at);
        const QRect caret = text_.cursorRect(cursor);
        return QRect(text_.viewport()->mapTo(&text_, caret.topLeft()), caret.size());
    }
    int shownOffsetAt(QPoint local) const override {
        const QPoint inView = text_.viewport()->mapFrom(&text_, local);
        return text_.viewport()->rect().contains(inView)
                   ? text_.cursorForPosition(inView).position()
                   : -1;
    }
    bool readOnly() const override { return text_.isReadOnly(); }

  private:
    QPlainTextEdit& text_;
};

}  // namespace

QAccessibleInterface* accessibleReadingText(QPlainTextEdit& text) {
    return new ReadingText(text);
}

}  // namespace screens
