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
#endif
}

void returnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace quillane
