#pragma once

#include <QLineF>
#include <cstdint>
#include <functional>
#include <optional>

class QPainter;
class QWidget;

namespace screens {

// The progress sweep's dot: a segment of the client area, in pixels, under a round pen.
struct Dot {
    QLineF segment;
    int penWidth = 1;
    std::uint32_t colour = 0;  // &H00BBGGRR
};

// The dot as its window paints it over the background, so that the window is as it was once
// the dot is gone. show() and hide() repaint at once, without running the event loop.
class SweepDot {
  public:
    explicit SweepDot(QWidget& window) : window_(window) {}

    void show(const Dot& dot);
    void hide();
    // From the window's paint event, after the background.
    void paint(QPainter& painter) const;

    // Told of each frame once the window shows it; one observer at a time, none to stop. Only the
    // sweep's tests and benchmark listen: a frame is painted straight away, never through the
    // event loop, so nothing outside sees it come but this.
    using FrameObserver = std::function<void(const Dot&)>;
    void setFrameObserver(FrameObserver observer) { observer_ = std::move(observer); }

  private:
    void moveTo(const std::optional<Dot>& dot);

    QWidget& window_;
    std::optional<Dot> dot_;
    FrameObserver observer_;
};

}  // namespace screens
