#pragma once

#include <array>
#include <cstdint>
#include <span>

// The module's entry routine and the steps it frames. The operating system
// calls it with a notification reason; it runs the raw hook, the runtime's
// start-up and exit steps and the module's handler in the order the class
// library expects. The steps come in a table so that a test can put recording
// ones in place of the module's own (module_steps.h).

// The module's instance handle: the address at which its image starts.
using ModuleInstance = const void*;

// Notification reasons.
inline constexpr std::uint32_t kProcessDetach = 0;
inline constexpr std::uint32_t kProcessAttach = 1;
inline constexpr std::uint32_t kThreadAttach = 2;
inline constexpr std::uint32_t kThreadDetach = 3;

// The shape of the entry routine, the raw hook and the module handler.
using NotificationRoutine = std::int32_t (*)(ModuleInstance instance, std::uint32_t reason,
                                             void* reserved);

// One entry of the runtime's initialiser and exit tables. Null entries are
// skipped.
using RuntimeStep = void (*)();
using RuntimeTable = std::span<const RuntimeStep>;

struct EntrySteps {
    NotificationRoutine rawHook;                    // called only when non-null
    std::array<RuntimeTable, 2> initialiserTables;  // on attach, one after the other
    RuntimeTable exitHandlers;                      // as registered; run newest first
    RuntimeTable preTermination;
    RuntimeTable termination;
    NotificationRoutine handler;                    // always set
};

// Attach (1): the raw hook, whose 0 ends the attach at once with 0; then both
// initialiser tables; then the handler, whose result is returned.
// Detach (0): the handler, then the exit handlers, the pre-termination and the
// termination tables, then the raw hook last; the handler's result is
// returned, made 0 when the raw hook returns 0.
// Any other reason: the handler alone.
std::int32_t EntryRoutine(const EntrySteps& steps, ModuleInstance instance, std::uint32_t reason,
                          void* reserved);
