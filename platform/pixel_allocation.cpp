#include "platform/pixel_allocation.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

void* AllocateBlock(std::size_t bytes) {
    if (bytes < kHugePage) {
        return std::malloc(bytes == 0 ? 1 : bytes);
    }
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = nullptr;
    if (posix_memalign(&block, kHugePage, rounded) != 0) {
        return nullptr;
    }
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Advice only: when huge pages are unavailable the block still works.
    madvise(block, rounded, MADV_HUGEPAGE);
#endif
    return block;
}

void ReleaseBlock(void* block) { std::free(block); }
