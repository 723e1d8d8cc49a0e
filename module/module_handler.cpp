#include "module/module_handler.h"

#include <new>

#include "platform/classlib/allocation.h"
#include "platform/classlib/extension_module.h"
#include "platform/classlib/module_registration.h"

namespace {

// Zero at load and the module's for its whole life; only the class library
// looks inside.
constinit ExtensionModule registrationRecord{};

std::int32_t Attach(ModuleInstance instance) {
    if (InitialiseExtensionModule(registrationRecord, instance) == 0) {
        return 0;
    }
    // The class library owns the object once constructed and releases it at
    // termination. Without memory the module simply stays off the chain; the
    // load still succeeds.
    if (void* memory = ClassLibraryAllocate(kModuleRegistrationSize)) {
        new (memory) ModuleRegistration(registrationRecord, false);
    }
    return 1;
}

}  // namespace

std::int32_t ModuleHandler(ModuleInstance instance, std::uint32_t reason, void* /*reserved*/) {
    if (reason == kProcessAttach) {
        return Attach(instance);
    }
    if (reason == kProcessDetach) {
        TerminateExtensionModule(registrationRecord, false);
    }
    return 1;
}
