/*
 * Switches that make the class library fail on purpose, so that a host or a
 * test can see how a module copes. Both are off at start; a non-zero value
 * turns one on until it is turned off again.
 */
#ifndef FLORWASH_CLASS_LIBRARY_FAILURE_SWITCHES_H
#define FLORWASH_CLASS_LIBRARY_FAILURE_SWITCHES_H

#include "platform/classlib/class_library_api.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ClassLibraryAllocate returns null. */
CLASS_LIBRARY_API void FailClassLibraryAllocations(int fail);

/* InitialiseExtensionModule returns 0 and changes nothing. */
CLASS_LIBRARY_API void FailExtensionModuleInitialisations(int fail);

#ifdef __cplusplus
}
#endif

#endif
