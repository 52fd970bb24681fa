#pragma once

#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "screens/frame/screen.h"
#include "screens/tables/screen_tables.h"

namespace screens::testing {

// A screen on its own, shown on the test display, with its clicks written down by name.
struct ScreenHarness {
    explicit ScreenHarness(ScreenId id)
        : screen(std::make_unique<Screen>(
              tableOf(id),
              [this](Screen&, const ControlRow& control) { clicks.emplace_back(control.name); },
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
