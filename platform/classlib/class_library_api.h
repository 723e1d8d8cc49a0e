/*
 * Marks the calls and types the class library offers to modules and hosts;
 * everything else in the library stays hidden.
 */
#ifndef FLORWASH_CLASS_LIBRARY_API_H
#define FLORWASH_CLASS_LIBRARY_API_H

#if defined(__GNUC__)
#define CLASS_LIBRARY_API __attribute__((visibility("default")))
#else
#define CLASS_LIBRARY_API
#endif

#endif
