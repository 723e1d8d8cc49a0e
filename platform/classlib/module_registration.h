#pragma once

#include <cstddef>

#include "platform/classlib/class_library_api.h"
#include "platform/classlib/extension_module.h"

// The space a module sets aside for its registration object, with
// ClassLibraryAllocate, before constructing one there.
inline constexpr std::size_t kModuleRegistrationSize = 64;

// Puts an extension module on the class library's chain of registered
// modules, where class and factory lookups find it. The class library owns
// the object from construction on and releases it when the module's record is
// terminated; the module keeps no pointer to it.
class CLASS_LIBRARY_API ModuleRegistration {
public:
    // Links record into the chain, ahead of every earlier registration.
    // systemModule would mark one of the class library's own modules;
    // extension modules pass false, and this class library has none.
    ModuleRegistration(ExtensionModule& record, bool systemModule) noexcept;

    ModuleRegistration(const ModuleRegistration&) = delete;
    ModuleRegistration& operator=(const ModuleRegistration&) = delete;

    const ModuleRegistration* Next() const { return next; }
    const ExtensionModule& Record() const { return *record; }

private:
    friend void ReleaseRegistrations(const ExtensionModule& record) noexcept;

    ModuleRegistration* next;
    ExtensionModule* record;
};

static_assert(sizeof(ModuleRegistration) <= kModuleRegistrationSize);
