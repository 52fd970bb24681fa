#pragma once

#include <QPoint>
#include <optional>

class QHideEvent;
class QShowEvent;
class QWidget;

namespace screens {

// A window shown again asks for the place it had when it was hidden: without a position of its
// own the window manager would place it anew. Its showEvent and hideEvent hand the events on.
class KeptPlace {
  public:
    // Sent before the window is mapped, each time it is shown.
    void shown(QWidget& window, const QShowEvent& event) const;
    // Sent once the window is being unmapped, before the window manager's answer is handled, so
    // the geometry is still where the pupil last saw the window.
    void hidden(const QWidget& window, const QHideEvent& event);
    const std::optional<QPoint>& place() const { return place_; }
    void forget() { place_.reset(); }

  private:
    std::optional<QPoint> place_;  // the client area's origin on the desk
};

}  // namespace screens
