#pragma once

#include <cstdint>

#include "platform/classlib/class_library_api.h"
#include "platform/classlib/module_state.h"

// The registration record of an extension module: one static record in each
// module, zero at load. The class library fills and reads it; the module only
// passes its address.
struct ExtensionModule {
    const void* instance = nullptr;           // the module's instance handle
    ClassLibraryLink* classes = nullptr;      // what the module registered while loading
    ClassLibraryLink* factories = nullptr;
};

// Takes over the classes and factories registered since the module's raw hook
// set the host's lists aside, and puts the host's lists back. Returns 0 on
// failure (only when failures are switched on, see failure_switches.h).
CLASS_LIBRARY_API std::int32_t InitialiseExtensionModule(ExtensionModule& record,
                                                         const void* instance) noexcept;

// Releases the registration objects made from record and returns record to
// zero. allModules would have every module's registration released as well;
// extension modules pass false, and this class library offers nothing else.
CLASS_LIBRARY_API void TerminateExtensionModule(ExtensionModule& record, bool allModules) noexcept;
