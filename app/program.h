#pragma once

#include <functional>
#include <string>

#include "app/hidden_window_input.h"
#include "app/progress_sweep.h"
#include "app/screen_registry.h"

namespace app {

// Shows an error that ended a click: (the screen clicked, the message).
using ErrorReporter = std::function<void(Screen&, const std::string&)>;
// What a click shows on its screen before the button's action: the progress sweep.
using BeforeAction = std::function<void(ScreenRegistry&, ScreenId)>;

// The program: the registry of the six screens and what their buttons do.
class Program {
  public:
    explicit Program(ErrorReporter reportError = showErrorBox,
                     BeforeAction beforeAction = playSweep);

    // Opens the main menu.
    void start();
    // The program's screens. Only the tests and benchmarks ask, to drive the whole program and
    // reach a screen, shown or not, as its clicks do; the registry is the one that makes them.
    ScreenRegistry& registry() { return registry_; }

    static void showErrorBox(Screen& screen, const std::string& message);

  private:
    void click(Screen& screen, const screens::ControlRow& control);
    void perform(Screen& screen, const screens::Action& action);

    ScreenRegistry registry_;
    BeforeAction beforeAction_;
    ErrorReporter reportError_;
    HiddenWindowInput hiddenWindowInput_;
};

}  // namespace app
