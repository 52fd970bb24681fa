#pragma once

#include <QPushButton>
#include <optional>

#include "screens/widgets/picture_files.h"

namespace screens {

// A command button in graphical style: its face picture centred and clipped, the caption along
// the bottom. Space, Enter and a mouse click all press it; it is never a default button.
class PictureButton : public QPushButton {
  public:
    PictureButton(const QString& caption, std::optional<assets::Picture> face, QWidget* parent);

    static constexpr int kBevel = 2;  // the raised border the face sits inside

    // Inside the bevel: where the face picture and the caption go.
    QRect faceRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ShownPicture face_;
    std::optional<quint64> leftAt_;  // when the pointer was last seen off the pressed button
};

}  // namespace screens
