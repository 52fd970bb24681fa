#include "app/memory_release.h"

// Looked for by name: __GLIBC__ is defined only once a C library header is in.
#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace app {

namespace {

constexpr int kLargeBlockBytes = 128 * 1024;

}  // namespace

void releaseFreedMemory() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
    mallopt(M_ARENA_MAX, 1);
#endif
}

}  // namespace app
