#pragma once

#ifdef __GLIBC__
#include <malloc.h>
#endif

// Hands the memory the allocator holds freed back to the system, where the C library offers it.
inline void returnFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
