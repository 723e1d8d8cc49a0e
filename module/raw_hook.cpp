#include "module/raw_hook.h"

#include "platform/classlib/module_state.h"

std::int32_t RawHook(ModuleInstance /*instance*/, std::uint32_t reason, void* /*reserved*/) {
    if (reason == kProcessAttach) {
        ModuleState& state = *CurrentModuleState();
        state.initialRegisteredClasses = state.registeredClasses;
        state.registeredClasses = nullptr;
        state.initialObjectFactories = state.objectFactories;
        state.objectFactories = nullptr;
    }
    return 1;
}
