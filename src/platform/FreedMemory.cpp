#include "platform/FreedMemory.h"

// Tells __GLIBC__, which no header above defines.
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace quillane {

namespace {

#ifdef __GLIBC__
// The largest threshold the library accepts: a plan of a million rows needs blocks of up to 16 MB.
constexpr int LargestHeapBlock = 32 * 1024 * 1024;
constexpr int KeptAtTheTop = 1024 * 1024 * 1024;
#endif

} // namespace

void keepFreedMemory() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, LargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, KeptAtTheTop);
    // One heap for every thread: the statuses are worked out on another thread, and a heap of its
    // own would keep a second store of freed memory beside the one the commands keep.
    mallopt(M_ARENA_MAX, 1);
#endif
}

void returnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace quillane
