#include "app/running_mark.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include "product.h"

namespace app {

void markRunning() {
#ifdef _WIN32
    // A named mutex, looked for by name; Windows closes it when the process ends.
    CreateMutexW(nullptr, FALSE, product::kRunningMark);
#endif
}

}  // namespace app
