#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <optional>

namespace screens {

// An editable one-line field in a sunken three-dimensional border, with no length limit.
//
// Its undo history stays small however much is pasted or typed over: Qt's line edit keeps
// every letter that an edit inserts or removes, and the storage it took is never given back.
// An edit of more than a few thousand letters replaces the text as a whole instead, and cannot
// be undone; the history starts afresh after as many letters of small edits.
class TextBox : public QLineEdit {
  public:
    explicit TextBox(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // What a key would put in place of the selection when that edit is too large to undo.
    std::optional<QString> largeEdit(const QKeyEvent& event) const;
    bool isLarge(const QString& inserted) const;
    void replaceSelection(const QString& inserted);
    void pasteFrom(QClipboard::Mode mode);
    void boundUndoHistory(const QString& edited);

    qsizetype length_ = 0;            // of the text before the latest edit
    qsizetype editedSinceReset_ = 0;  // letters the undo history may hold, at most
};

}  // namespace screens
