#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace screens {

// A control that shows a caption in the given width.
struct Captioned {
    QWidget* control;
    QString caption;
    int room;
};

// The screens were drawn for a smaller font than many desktops use: a caption that does not fit
// is drawn a little smaller, and captions of one kind on a screen share the smallest size needed.
void fitCaptions(const std::vector<Captioned>& sameKind);

}  // namespace screens
