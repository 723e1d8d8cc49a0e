#pragma once

#include <cstddef>

#include "platform/classlib/class_library_api.h"

// The class library's allocation operators. ClassLibraryAllocate returns null
// when the memory cannot be had; objects the class library takes over are
// released with ClassLibraryRelease.
CLASS_LIBRARY_API void* ClassLibraryAllocate(std::size_t bytes) noexcept;
CLASS_LIBRARY_API void ClassLibraryRelease(void* block) noexcept;
