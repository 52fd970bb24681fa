// Where the screen tables put things, for the tests that drive the real program from a script.
//
//   control_place SCREEN           the screen's client size in pixels: "600 399"
//   control_place SCREEN CONTROL   the control's centre in client pixels: "532 100"
//
// SCREEN is a form name ("frm1"); CONTROL a control's name ("cmd1"), accessible name or
// caption, which must single out one control of the screen.
#include <cstdio>
#include <string_view>

#include "screens/frame/twips.h"
#include "screens/tables/screen_tables.h"

namespace {

int print(QPoint point) {
    std::printf("%d %d\n", point.x(), point.y());
    return 0;
}

int failure(const char* what, std::string_view name) {
    std::fprintf(stderr, "control_place: %s: %.*s\n", what, static_cast<int>(name.size()),
                 name.data());
    return 1;
}

int place(const screens::ScreenTable& screen, std::string_view control) {
    const screens::ControlRow* found = nullptr;
    for (const screens::ControlRow& c : screen.controls) {
        if (control != c.name && control != c.accessibleName && control != c.caption) continue;
        if (found) return failure("more than one control", control);
        found = &c;
    }
    if (!found) return failure("no such control", control);
    return print(screens::pixelRect(found->left, found->top, found->width, found->height).center());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: control_place SCREEN [CONTROL]\n");
        return 2;
    }
    for (screens::ScreenId id : screens::kAllScreens) {
        if (screens::nameOf(id) != argv[1]) continue;
        const screens::ScreenTable& screen = screens::tableOf(id);
        if (argc == 3) return place(screen, argv[2]);
        const QSize size = screens::pixelSize(screen.clientWidth, screen.clientHeight);
        return print({size.width(), size.height()});
    }
    return failure("no such screen", argv[1]);
}
