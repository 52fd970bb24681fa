#include "app/frame_wait.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <thread>
#endif

namespace app {

void waitUntil(std::chrono::steady_clock::time_point until) {
#ifdef _WIN32
    using std::chrono::steady_clock;
    for (auto now = steady_clock::now(); now < until; now = steady_clock::now()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - now);
        // No handles and no kind of message to wake for: only the time ends the wait.
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()), 0, 0);
    }
#else
    std::this_thread::sleep_until(until);
#endif
}

}  // namespace app
