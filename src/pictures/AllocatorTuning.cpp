#include "pictures/AllocatorTuning.h"

#include <cstdlib> // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void keepFreedPictureMemory()
{
#if defined(__GLIBC__)
    // Blocks up to 32 MB come from the heap (not from mappings of their own),
    // and the heap keeps up to 64 MB of free space at its top.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}
