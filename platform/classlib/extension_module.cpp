#include "platform/classlib/extension_module.h"

#include "platform/classlib/failure_switches.h"
#include "platform/classlib/registration_chain.h"

namespace {

constinit bool failInitialisations = false;

}  // namespace

void FailExtensionModuleInitialisations(int fail) { failInitialisations = fail != 0; }

std::int32_t InitialiseExtensionModule(ExtensionModule& record, const void* instance) noexcept {
    if (failInitialisations) {
        return 0;
    }
    // Whatever is on the lists now was registered by the loading module after
    // its raw hook moved the host's lists into the initial-head slots.
    ModuleState& state = *CurrentModuleState();
    record.instance = instance;
    record.classes = state.registeredClasses;
    record.factories = state.objectFactories;
    state.registeredClasses = state.initialRegisteredClasses;
    state.objectFactories = state.initialObjectFactories;
    return 1;
}

void TerminateExtensionModule(ExtensionModule& record, bool /*allModules*/) noexcept {
    ReleaseRegistrations(record);
    record = ExtensionModule{};
}
