#pragma once

namespace app {

// Gives Qt's own texts (a text field's context menu, the buttons of a message box) in Russian,
// whatever the desktop's language: from Qt's translations folder where the system has them,
// else from the copy built into the program (Windows builds carry one).
void installQtTranslations();

}  // namespace app
