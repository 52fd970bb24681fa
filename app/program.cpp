#include "app/program.h"

#include <QApplication>
#include <QMessageBox>

#include "calc/messages.h"
#include "product.h"
#include "screens/frame/error_field.h"
#include "screens/frame/spoken_answer.h"
#include "screens/widgets/utf8.h"

namespace app {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

}  // namespace

Program::Program(ErrorReporter reportError, BeforeAction beforeAction)
    : registry_(
          [this](Screen& screen, const screens::ControlRow& control) { click(screen, control); },
          // Every screen but the visible one is hidden and has no taskbar entry, so
          // closing the visible one must end the program.
          [](Screen&) { QCoreApplication::quit(); }),
      beforeAction_(std::move(beforeAction)),
      reportError_(std::move(reportError)) {}

void Program::start() {
    QCoreApplication::instance()->installEventFilter(&hiddenWindowInput_);
    bringUp(registry_.ensureScreen(ScreenId::MainMenu));
}

// The one place where an error ends: it is shown, and the fields stay as the failing step left
// them. The solution opens at once, as F1 and the result fields' menus open it: it shows the last
// compute and changes nothing.
void Program::click(Screen& screen, const screens::ControlRow& control) {
    try {
        if (!std::holds_alternative<screens::OpenSolution>(control.action))
            beforeAction_(registry_, screen.id());
        perform(screen, control.action);
    } catch (const std::exception& error) {
        reportError_(screen, calc::messageOf(error, screen.fields()));
        screens::returnToField(screen.fields(), error);
    }
}

void Program::perform(Screen& screen, const screens::Action& action) {
    std::visit(Overloaded{
                   [](std::monostate) {},
                   [&](screens::Navigate go) { showScreen(registry_, screen.id(), go.target); },
                   [&](screens::OpenSolution) { screen.openSolution(); },
                   [&](screens::Compute compute) {
                       screen.runExplained(compute.run);
                       screens::sayAnswer(screen);
                   },
               },
               action);
}

void Program::showErrorBox(Screen& screen, const std::string& message) {
    QMessageBox box(QMessageBox::Critical, screens::fromUtf8(product::kName),
                    QString::fromStdString(message), QMessageBox::Ok, &screen);
    box.exec();
    screen.activateWindow();
}

}  // namespace app
