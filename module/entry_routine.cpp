#include "module/entry_routine.h"

#include <iterator>

namespace {

// Calls every non-null step from first to last.
template <typename Iterator>
void RunSteps(Iterator first, Iterator last) {
    for (; first != last; ++first) {
        if (*first != nullptr) {
            (*first)();
        }
    }
}

template <typename Steps>
void RunSteps(const Steps& steps) {
    RunSteps(std::begin(steps), std::end(steps));
}

std::int32_t Attach(const EntrySteps& steps, ModuleInstance instance, void* reserved) {
    if (steps.rawHook != nullptr && steps.rawHook(instance, kProcessAttach, reserved) == 0) {
        return 0;
    }
    for (const RuntimeTable& table : steps.initialiserTables) {
        RunSteps(table);
    }
    return steps.handler(instance, kProcessAttach, reserved);
}

std::int32_t Detach(const EntrySteps& steps, ModuleInstance instance, void* reserved) {
    // The module unregisters before the runtime tears anything down; the raw
    // hook, which prepared the class library's state first, runs last.
    std::int32_t result = steps.handler(instance, kProcessDetach, reserved);
    RunSteps(std::rbegin(steps.exitHandlers), std::rend(steps.exitHandlers));  // newest first
    RunSteps(steps.preTermination);
    RunSteps(steps.termination);
    if (steps.rawHook != nullptr && steps.rawHook(instance, kProcessDetach, reserved) == 0) {
        result = 0;
    }
    return result;
}

}  // namespace

std::int32_t EntryRoutine(const EntrySteps& steps, ModuleInstance instance, std::uint32_t reason,
                          void* reserved) {
    switch (reason) {
        case kProcessAttach:
            return Attach(steps, instance, reserved);
        case kProcessDetach:
            return Detach(steps, instance, reserved);
        default:
            return steps.handler(instance, reason, reserved);
    }
}
