#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <optional>

#include "screens/picture_files.h"

namespace screens {

// A command button in graphical style: its face picture centred and clipped, the caption along
// the bottom. Space, Enter and a mouse click all press it; it is never a default button.
//
// The caption is drawn once, white on transparent, and tinted with the text colour when
// painted; a caption drawn at an earlier run can be handed in, so that a first frame needs no
// font.
class PictureButton : public QPushButton {
  public:
    PictureButton(const QString& caption, std::optional<assets::Picture> face, QWidget* parent);

    static constexpr int kBevel = 2;  // the raised border the face sits inside

    // Inside the bevel: where the face picture and the caption go.
    QRect faceRect() const;

    // Decodes the face, if not yet done, ahead of the first paint.
    void loadFace() { face_.at(devicePixelRatioF()); }

    // The caption as this button draws it now, in its font: needs Qt's fonts.
    QImage drawCaption() const;
    // The caption it shows; drawn when first needed, unless one was handed in.
    const QImage& captionMask();
    void setCaptionMask(QImage mask);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    const QImage& tintedCaption(const QColor& colour);

    ShownPicture face_;
    QImage captionMask_;
    QImage tinted_;
    QColor tint_;
};

}  // namespace screens
