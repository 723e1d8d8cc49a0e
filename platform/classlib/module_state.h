#pragma once

#include "platform/classlib/class_library_api.h"

// The class library keeps two lists per module state: the classes registered
// for run-time lookup and the object factories. Entries belong to whoever
// registered them; a list only chains them.
struct ClassLibraryLink {
    ClassLibraryLink* next = nullptr;
};

// The state record of a module that uses the class library. Extension
// modules have no state of their own: they work in their host's. While an
// extension module loads, the lists are set aside in the initial-head slots
// so that what the module registers can be told apart from what was there.
struct ModuleState {
    ClassLibraryLink* registeredClasses = nullptr;
    ClassLibraryLink* initialRegisteredClasses = nullptr;
    ClassLibraryLink* objectFactories = nullptr;
    ClassLibraryLink* initialObjectFactories = nullptr;
};

// The state record of the calling module: in this process, the host's.
CLASS_LIBRARY_API ModuleState* CurrentModuleState() noexcept;
