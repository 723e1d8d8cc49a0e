#pragma once

// Scratch arrays for row buffers and tables: taken from the C heap, released
// when the owner goes, and null instead of an exception when the memory
// cannot be had, so callers can fall back or report the failure.

#include <cstddef>
#include <cstdlib>
#include <memory>

struct FreeDeleter {
    void operator()(void* block) const { std::free(block); }
};

template <typename T>
using ScratchArray = std::unique_ptr<T[], FreeDeleter>;

// count elements, uninitialised.
template <typename T>
ScratchArray<T> AllocateScratch(std::size_t count) {
    return ScratchArray<T>(static_cast<T*>(std::malloc(count * sizeof(T))));
}

// count elements, all bytes zero. Large zeroed blocks come straight from the
// kernel, so pages never touched cost nothing.
template <typename T>
ScratchArray<T> AllocateZeroedScratch(std::size_t count) {
    return ScratchArray<T>(static_cast<T*>(std::calloc(count, sizeof(T))));
}

// count elements, uninitialised, the first at a multiple of alignment (a
// power of two, at most a page), for vector loads and stores.
template <typename T>
ScratchArray<T> AllocateAlignedScratch(std::size_t count, std::size_t alignment) {
    const std::size_t size = (count * sizeof(T) + alignment - 1) / alignment * alignment;
    return ScratchArray<T>(static_cast<T*>(std::aligned_alloc(alignment, size)));
}
