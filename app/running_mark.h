#pragma once

namespace app {

// On Windows, marks the program as running for as long as it runs, so that its installer and
// uninstaller can ask the pupil to close it before they replace or remove its file. Elsewhere a
// package manager replaces a running program's file safely, and this does nothing.
void markRunning();

}  // namespace app
