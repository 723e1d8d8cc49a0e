#pragma once

#include <cstdint>

#include "module/entry_routine.h"

// The module's own part of the load and unload notifications.
// Attach: initialises the module's registration record with the class
// library, returning 0 when that fails; then registers the module with a
// registration object, when the class library can allocate one, and returns 1
// either way.
// Detach: terminates the registration record, which releases the
// registration object, and returns 1. Any other reason: returns 1.
std::int32_t ModuleHandler(ModuleInstance instance, std::uint32_t reason, void* reserved);
