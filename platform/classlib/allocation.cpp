#include "platform/classlib/allocation.h"

#include <cstdlib>

#include "platform/classlib/failure_switches.h"

namespace {

constinit bool failAllocations = false;

}  // namespace

void FailClassLibraryAllocations(int fail) { failAllocations = fail != 0; }

void* ClassLibraryAllocate(std::size_t bytes) noexcept {
    if (failAllocations) {
        return nullptr;
    }
    return std::malloc(bytes == 0 ? 1 : bytes);
}

void ClassLibraryRelease(void* block) noexcept { std::free(block); }
