#pragma once

namespace app {

// Reads the system's font configuration ahead of time, on a thread that needs no display, so
// that the first window's captions find it ready. Does nothing where Qt does not use
// fontconfig.
void readFontConfiguration();

}  // namespace app
