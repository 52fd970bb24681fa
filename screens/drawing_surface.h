#pragma once

#include <QPainter>
#include <QRegion>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace screens {

// One drawing call as the surface received it, for tests that check what was drawn.
struct DrawCall {
    enum class Kind { Scale, DrawWidth, Line };
    Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Scale: the two corners; Line: the two ends
    int width = 0;                         // DrawWidth
    std::uint32_t colour = 0;              // Line, &H00BBGGRR
};

class DrawRecorder {
  public:
    virtual ~DrawRecorder() = default;
    virtual void record(const DrawCall& call) = 0;
};

// A window's client area as a drawing surface with a user coordinate system. Lines go straight
// into the window's backing store, as on a window with no drawing layer of its own: they last
// until that part of the window is next repainted. present() shows what was drawn since the
// last present() without running the event loop.
class DrawingSurface {
  public:
    DrawingSurface(QWidget& window, QSizeF defaultScale);
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    // (x1, y1) names the client area's top-left corner, (x2, y2) its bottom-right.
    void scale(float x1, float y1, float x2, float y2);
    void setDrawWidth(int pixels);
    void line(float x1, float y1, float x2, float y2, std::uint32_t colour);
    void present();

    void setRecorder(DrawRecorder* recorder) { recorder_ = recorder; }
    // Called after each presentation that showed something, for timing it.
    void setPresentHook(std::function<void()> hook) { presentHook_ = std::move(hook); }
    QPointF toPixels(float x, float y) const;

  private:
    QPainter* painter();
    static QPointF pixelCentre(QPointF point);
    void record(const DrawCall& call);

    QWidget& window_;
    float left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
    int drawWidth_ = 1;
    std::optional<QPainter> painter_;
    QRegion dirty_;
    DrawRecorder* recorder_ = nullptr;
    std::function<void()> presentHook_;
};

}  // namespace screens
