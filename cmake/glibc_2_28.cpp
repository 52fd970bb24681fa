// What the self-contained Linux program's static Qt and C++ runtime take from C libraries newer
// than 2.28, given by the program itself so that it runs on 2.28.
#include <errno.h>
#include <pthread.h>
#include <stdint.h>
#include <sys/random.h>
#include <time.h>

extern "C" {

// GCC 12's C++ runtime asks the C library (2.32 on) whether the process has only one thread.
// The answer "not known" makes it always take its locks and count atomically, as with threads.
char __libc_single_threaded = 0;

// Waits with a timeout (Qt's read-write lock, the C++ condition variable) wait until a time of a
// given clock (2.30 on). The older call waits until a time of the system clock, which a
// condition variable made without attributes uses: the deadline becomes the same distance from
// now on that clock.
int pthread_cond_clockwait(pthread_cond_t* condition, pthread_mutex_t* mutex, clockid_t clock,
                           const struct timespec* deadline) {
    constexpr long kNsPerS = 1000000000;
    timespec now{}, system{};
    clock_gettime(clock, &now);
    clock_gettime(CLOCK_REALTIME, &system);
    long long ns = (deadline->tv_sec - now.tv_sec) * kNsPerS + (deadline->tv_nsec - now.tv_nsec);
    ns += system.tv_sec * kNsPerS + system.tv_nsec;
    const timespec until{static_cast<time_t>(ns / kNsPerS), static_cast<long>(ns % kNsPerS)};
    return pthread_cond_timedwait(condition, mutex, &until);
}

// GCC 12's std::random_device may draw from arc4random (2.36 on); the kernel's generator, which
// arc4random itself reads, gives the same kind of numbers through getrandom (2.25 on). A kernel
// without it (before 3.17) gets the clock's nanoseconds rather than a wait that never ends.
uint32_t arc4random() {
    uint32_t value = 0;
    ssize_t got = 0;
    do {
        got = getrandom(&value, sizeof value, 0);
    } while (got < 0 && errno == EINTR);
    if (got == static_cast<ssize_t>(sizeof value)) return value;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(now.tv_nsec) ^ static_cast<uint32_t>(now.tv_sec);
}
}
