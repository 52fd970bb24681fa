#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <optional>

namespace screens {

// Button captions as drawn at the last run, kept in a file so that the next run's first frame
// needs no font: building Qt's list of the system's fonts takes longer than the rest of
// start-up together, and can then wait until the first frame is shown. An entry is found by
// everything that decides its pixels (see captionKey). The cache is only a help: a file that
// cannot be read or written is no cache, and what it gave is checked once the fonts are ready.
class CaptionCache {
  public:
    struct Caption {
        qreal pointSize;  // the size the caption was fitted to
        QImage mask;      // white on transparent, as PictureButton draws it
    };

    // Reads the file, if there is one.
    explicit CaptionCache(QString file);

    std::optional<Caption> find(const QString& key) const;
    void put(const QString& key, Caption caption);
    // Writes the file if anything was put that it did not hold.
    void save();

  private:
    QString file_;
    std::map<QString, Caption> captions_;
    bool changed_ = false;
};

}  // namespace screens
