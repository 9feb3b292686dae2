// Hands memory the program has freed back to the system: the allocator otherwise keeps
// it for later, and after a screen's pictures are freed that is megabytes.
#pragma once

void releaseFreedMemory();
