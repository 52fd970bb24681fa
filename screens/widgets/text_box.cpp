#include "screens/widgets/text_box.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>

#include "screens/access/accessible_text.h"
#include "screens/access/spoken_text.h"
#include "screens/widgets/font_fit.h"

namespace screens {

namespace {

// Qt keeps some 20 bytes of undo history for every letter an edit inserts or removes, and never
// gives that storage back: the history holds the edits of at most this many letters.
constexpr qsizetype kLargestUndoHistory = 4'096;

// A long text is drawn down to this share of the normal font size, in steps of this many points.
constexpr qreal kSmallestScale = 0.8;
constexpr qreal kPointSizeStep = 0.25;

// A line edit keeps this many pixels clear on either side of its text, and one for the cursor.
constexpr int kTextMargin = 2;
constexpr int kCursorWidth = 1;

// A number's exponent at the end of a text, as numbers are written: "E+40", "E-05".
const QRegularExpression& exponentAtEnd() {
    static const QRegularExpression exponent(QStringLiteral("E[+-][0-9]+$"));
    return exponent;
}

// The beginning of `text`, "…" and its end (the exponent, where it ends with one) in `room`
// pixels. No more than `room` letters of either end can show, so a long middle is left out
// before measuring.
QString elided(const QString& text, const QFontMetrics& metrics, int room) {
    const QRegularExpressionMatch exponent = exponentAtEnd().match(text);
    if (!exponent.hasMatch()) {
        const QString ends = text.size() > 2 * room ? text.left(room) + text.right(room) : text;
        return metrics.elidedText(ends, Qt::ElideMiddle, room);
    }
    const QString end = exponent.captured();
    const QString beginning = text.left(std::min<qsizetype>(exponent.capturedStart(), room));
    return metrics.elidedText(beginning, Qt::ElideRight, room - metrics.horizontalAdvance(end)) +
           end;
}

// A line edit handed the key straight: sent through the application, the key did not reach it,
// and the edit fell through to the field's own undo history.
struct Scratch : QLineEdit {
    using QLineEdit::keyPressEvent;
};

// A field can also be typed into by assistive tools, as any line edit can.
class FieldText : public AccessibleText, public QAccessibleEditableTextInterface {
  public:
    explicit FieldText(TextBox& field) : AccessibleText(&field), field_(field) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return AccessibleText::interface_cast(type);
    }
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (field_.isReadOnly()) return;
        const SpokenText spoken = spokenForm(field_.text());
        const int from = spoken.shownOffset(start);
        field_.setText(field_.text().replace(from, spoken.shownOffset(end) - from, text));
    }

  protected:
    QString shown() const override { return field_.text(); }
    int shownCursor() const override { return field_.cursorPosition(); }
    void setShownCursor(int at) override { field_.setCursorPosition(at); }
    std::pair<int, int> shownSelection() const override {
        if (!field_.hasSelectedText()) return {field_.cursorPosition(), field_.cursorPosition()};
        return {field_.selectionStart(), field_.selectionEnd()};
    }
    void setShownSelection(int start, int end) override { field_.setSelection(start, end - start); }
    QRect shownLetterRect(int at) const override { return field_.letterRect(at); }
    int shownOffsetAt(QPoint local) const override {
        return field_.rect().contains(local) ? field_.cursorPositionAt(local) : -1;
    }
    bool readOnly() const override { return field_.isReadOnly(); }

  private:
    TextBox& field_;
};

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setFrame(true);
    // A line edit stops at 32767 characters unless told otherwise; a field has no limit.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &TextBox::fitText);
}

QRect TextBox::textRect() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins()).adjusted(kTextMargin, 0, -kTextMargin, 0);
}

void TextBox::fitText() {
    QFont font = QApplication::font(this);
    if (font.pointSizeF() <= 0) return;  // a pixel-sized desktop font is left as it is
    const int room = textRect().width() - kCursorWidth;
    font.setPointSizeF(
        fittingPointSize(font, text(), room, font.pointSizeF() * kSmallestScale, kPointSizeStep));
    if (font != this->font()) setFont(font);
}

QString TextBox::shownText() const {
    const QString whole = text();
    if (hasFocus() || echoMode() != QLineEdit::Normal) return whole;
    const int room = textRect().width() - kCursorWidth;
    const QFontMetrics metrics(font());
    if (whole.size() <= room && metrics.horizontalAdvance(whole) <= room) return whole;
    return elided(whole, metrics, room);
}

// Measured from the caret, which knows how far the text has scrolled.
QRect TextBox::letterRect(int at) const {
    const QFontMetrics metrics(font());
    const QString whole = text();
    const int x = cursorRect().center().x() + metrics.horizontalAdvance(whole.left(at)) -
                  metrics.horizontalAdvance(whole.left(cursorPosition()));
    const QRect line = textRect();
    return {x, line.top(), metrics.horizontalAdvance(whole.mid(at, 1)), line.height()};
}

QAccessibleInterface* TextBox::createAccessible() {
    return new FieldText(*this);
}

void TextBox::paintEvent(QPaintEvent* event) {
    const QString shown = shownText();
    if (shown == text()) {
        QLineEdit::paintEvent(event);
    } else {
        paintShown(shown);
    }
    // The style's frame, whatever it is, gives way to the classic two-pixel sunken border.
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
}

// The field's background and a text other than its own, where a line edit would draw its text.
void TextBox::paintShown(const QString& shown) {
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(textRect(), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

// Tab selects the text as it comes in. Qt tells a screen reader of the selection before the focus,
// and the reader would say the value twice; the focus says it, selected, once. Nor is the
// selection's end on the way out worth a word.
void TextBox::focusInEvent(QFocusEvent* event) {
    unannounced([&] { QLineEdit::focusInEvent(event); });
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    unannounced([&] { QLineEdit::focusOutEvent(event); });
}

void TextBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitText();
}

// A key that would take the undo history past its size acts on a throwaway line edit: its result
// cannot be undone, and setting it empties the history, so a long lesson of edits in one field
// does not hold ever more memory.
void TextBox::keyPressEvent(QKeyEvent* event) {
    if (!isUndoAvailable()) undoLetters_ = 0;  // emptied by setText
    const qsizetype pasted =
        event->matches(QKeySequence::Paste) ? QGuiApplication::clipboard()->text().size() : 0;
    const qsizetype edited = selectionLength() + std::max(pasted, event->text().size());
    if (undoLetters_ + edited <= kLargestUndoHistory) {
        undoLetters_ += edited;
    } else if (editOutsideHistory(event)) {
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Whether the key changed the text, done on a copy of the field and set back.
bool TextBox::editOutsideHistory(QKeyEvent* event) {
    Scratch scratch;
    scratch.setMaxLength(maxLength());
    scratch.setText(text());
    scratch.setCursorPosition(cursorPosition());
    if (hasSelectedText()) {
        const int anchor = cursorPosition() == selectionStart() ? selectionEnd() : selectionStart();
        scratch.setSelection(anchor, cursorPosition() - anchor);
    }
    scratch.keyPressEvent(event);
    if (scratch.text() == text()) return false;
    setText(scratch.text());
    setCursorPosition(scratch.cursorPosition());
    undoLetters_ = 0;
    return true;
}

}  // namespace screens
