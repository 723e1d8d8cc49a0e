#include "platform/classlib/module_registration.h"

#include "platform/classlib/allocation.h"
#include "platform/classlib/registered_modules.h"
#include "platform/classlib/registration_chain.h"

namespace {

// Newest first. Constant-initialised, like the host's module state.
constinit ModuleRegistration* chainHead = nullptr;

}  // namespace

ModuleRegistration::ModuleRegistration(ExtensionModule& moduleRecord, bool /*systemModule*/) noexcept
    : next(chainHead), record(&moduleRecord) {
    chainHead = this;
}

void ReleaseRegistrations(const ExtensionModule& record) noexcept {
    ModuleRegistration** link = &chainHead;
    while (*link != nullptr) {
        ModuleRegistration* registration = *link;
        if (registration->record == &record) {
            *link = registration->next;
            registration->~ModuleRegistration();
            ClassLibraryRelease(registration);
        } else {
            link = &registration->next;
        }
    }
}

size_t RegisteredExtensionModuleCount(void) {
    size_t count = 0;
    for (const ModuleRegistration* registration = chainHead; registration != nullptr;
         registration = registration->Next()) {
        ++count;
    }
    return count;
}

const void* RegisteredExtensionModule(size_t index) {
    const ModuleRegistration* registration = chainHead;
    for (; registration != nullptr && index > 0; --index) {
        registration = registration->Next();
    }
    return registration != nullptr ? registration->Record().instance : nullptr;
}
