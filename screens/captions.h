#pragma once

#include <QLabel>
#include <QString>
#include <vector>

#include "screens/caption_cache.h"

namespace screens {

class PictureButton;

// What a cached caption is found by: everything that decides its pixels, that is its text, the
// button's size, the desktop's font before fitting, the screen's density and Qt's version.
QString captionKey(const PictureButton& button);

// The captions of one screen. The layouts were drawn for a smaller default font than many
// desktops use: a caption that does not fit its control is shown in a smaller size of the same
// font rather than cut off, and captions of one kind share the smallest size any of them
// needed. Measuring needs Qt's font list, which takes long to build; where a cache from an
// earlier run holds every button caption of the screen, its first frame is drawn from there
// and the measuring waits until after it.
class ScreenCaptions {
  public:
    explicit ScreenCaptions(CaptionCache* cache) : cache_(cache) {}

    void addButton(PictureButton* button);
    void addLabel(QLabel* label);

    // Before the screen's first frame.
    void fit();
    // After the first frame: measures what the cache gave, redraws what it had wrong, and
    // stores what is drawn for the next run.
    void settle();

  private:
    struct Captioned {
        QWidget* control;
        QString caption;
        int room;  // the width the caption may take
    };

    bool fitFromCache();
    static void fitByMeasuring(const std::vector<Captioned>& sameKind);
    static PictureButton& button(const Captioned& captioned);

    CaptionCache* cache_;
    std::vector<Captioned> buttons_, labels_;
    bool fromCache_ = false;
};

}  // namespace screens
