#pragma once

#include <QLineEdit>

namespace screens {

// An editable one-line field in a sunken three-dimensional border, with no length limit.
// A text wider than the field is drawn smaller, down to four fifths of the normal size; one that
// still does not fit shows, while the field has no focus, its beginning, "…" and its end (the
// whole exponent of a number). Editing, copying and screen readers always have the whole text.
class TextBox : public QLineEdit {
  public:
    explicit TextBox(QWidget* parent);

    // What the field shows of its text now.
    QString shownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QRect textRect() const;
    void fitText();
    void paintShown(const QString& shown);
    bool editOutsideHistory(QKeyEvent* event);

    qsizetype undoLetters_ = 0;  // of the edits the undo history holds, roughly
};

}  // namespace screens
