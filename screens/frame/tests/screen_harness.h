#pragma once

#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "screens/screen.h"

namespace screens::testing {

// A screen on its own, shown on the test display, with its clicks written down by name.
struct ScreenHarness {
    explicit ScreenHarness(ScreenId id)
        : screen(std::make_unique<Screen>(
              layoutOf(id),
              [this](Screen&, const ControlLayout& control) { clicks.emplace_back(control.name); },
              nullptr)) {}

    bool showActive() {
        screen->show();
        screen->activateWindow();
        return QTest::qWaitForWindowActive(screen.get());
    }

    QWidget* control(const char* name) const { return screen->findChild<QWidget*>(name); }

    std::vector<std::string> clicks;
    std::unique_ptr<Screen> screen;
};

inline std::string focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName().toStdString() : "(none)";
}

}  // namespace screens::testing
