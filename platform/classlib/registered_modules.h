/*
 * What a host can ask the class library about the extension modules it has
 * loaded: the chain of registered modules, newest first, by instance handle
 * (the address at which the module's image starts, dladdr's dli_fbase).
 *
 * The class library takes no lock: ask from the thread that loads and
 * unloads the modules.
 */
#ifndef FLORWASH_CLASS_LIBRARY_REGISTERED_MODULES_H
#define FLORWASH_CLASS_LIBRARY_REGISTERED_MODULES_H

#include <stddef.h>

#include "platform/classlib/class_library_api.h"

#ifdef __cplusplus
extern "C" {
#endif

/* How many extension modules are on the chain. */
CLASS_LIBRARY_API size_t RegisteredExtensionModuleCount(void);

/* The instance handle of the index-th module on the chain, newest first;
 * null when index is past the end. */
CLASS_LIBRARY_API const void* RegisteredExtensionModule(size_t index);

#ifdef __cplusplus
}
#endif

#endif
