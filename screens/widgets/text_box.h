#pragma once

#include <QLineEdit>

#include "screens/access/accessible.h"

namespace screens {

// An editable one-line field in a sunken three-dimensional border, with no length limit.
// A text wider than the field is drawn smaller, down to four fifths of the normal size; one that
// still does not fit shows, while the field has no focus, its beginning, "…" and its end (the
// whole exponent of a number). Editing, copying and screen readers always have the whole text.
class TextBox : public QLineEdit, public OwnAccessible {
  public:
    explicit TextBox(QWidget* parent);

    // What the field shows of its text now.
    QString shownText() const;
    // Where the letter at `at` of the whole text is drawn, in the field's coordinates.
    QRect letterRect(int at) const;

    QAccessibleInterface* createAccessible() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QRect textRect() const;
    void fitText();
    void paintShown(const QString& shown);
    bool editOutsideHistory(QKeyEvent* event);

    qsizetype undoLetters_ = 0;  // of the edits the undo history holds, roughly
};

}  // namespace screens
