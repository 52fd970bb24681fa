#include "app/memory_release.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace app {

namespace {

constexpr int kLargeBlockBytes = 128 * 1024;

}  // namespace

void returnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

}  // namespace app
