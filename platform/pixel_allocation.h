#pragma once

#include <cstddef>

// The allocation operators behind image storage. They return null instead of
// throwing, so the image can keep its old storage when a new one cannot be
// had. Large blocks are aligned to 2 MiB and offered to the kernel for
// transparent huge pages: first-touch page faults otherwise dominate the time
// spent on a fresh multi-megapixel image.
void* AllocateBlock(std::size_t bytes);
void ReleaseBlock(void* block);
