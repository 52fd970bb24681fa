#pragma once

#include <QLineEdit>

namespace screens {

// An editable one-line field in a sunken three-dimensional border, with no length limit.
class TextBox : public QLineEdit {
  public:
    explicit TextBox(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace screens
