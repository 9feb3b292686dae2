#include "platform/core/memory_release.h"

#include <malloc.h>

void releaseFreedMemory() { malloc_trim(0); }
