#pragma once

#include <QAccessibleWidget>
#include <utility>

class QPlainTextEdit;

namespace screens {

// A text widget as a screen reader gets it: the spoken form of what it shows, and one run of
// text attributes over the whole text, so that a reader taking the current line from the runs
// gets the whole value. Offsets are the spoken text's; the caret and the selection are mapped.
class AccessibleText : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleText(QWidget* widget);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;

    void selection(int index, int* start, int* end) const override;
    int selectionCount() const override;
    void addSelection(int start, int end) override;
    void removeSelection(int index) override;
    void setSelection(int index, int start, int end) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int start, int end) override;
    QString attributes(int offset, int* start, int* end) const override;

  protected:
    // The widget's side, in its own offsets and coordinates.
    virtual QString shown() const = 0;
    virtual int shownCursor() const = 0;
    virtual void setShownCursor(int at) = 0;
    virtual std::pair<int, int> shownSelection() const = 0;  // start == end where none
    virtual void setShownSelection(int start, int end) = 0;
    virtual QRect shownLetterRect(int at) const = 0;
    virtual int shownOffsetAt(QPoint local) const = 0;
    virtual bool readOnly() const = 0;
};

QAccessibleInterface* accessibleReadingText(QPlainTextEdit& text);

}  // namespace screens
