#pragma once

#include <functional>

class QAccessibleInterface;

namespace screens {

// A widget that shows itself to screen readers its own way (a window's role, a field's text, an
// announcement) where Qt's interface for a plain widget would not do.
class OwnAccessible {
  public:
    OwnAccessible();
    virtual QAccessibleInterface* createAccessible() = 0;

  protected:
    ~OwnAccessible() = default;
};

// Makes a change screen readers are not told of, where they would hear twice what the next event
// tells them anyway.
void unannounced(const std::function<void()>& change);

}  // namespace screens
