#pragma once

#include <cstdint>

#include "module/entry_routine.h"

// Prepares the class library's module state before anything of the module
// runs: on attach it moves the heads of the registered-class and the
// object-factory lists into the slots that keep their initial heads and
// empties both lists, so that extension-module initialisation can take what
// the module registers and put the host's lists back. Returns 1 for every
// reason.
std::int32_t RawHook(ModuleInstance instance, std::uint32_t reason, void* reserved);
