/*
 * The paint module's one entry point, for C and C++ hosts.
 *
 * BMPFlorwash loads the BMP file at source, paints it with an 11 x 11
 * neighbourhood filter and writes the result as a 24-bit BMP file of the same
 * size at destination. Paths are null-terminated UTF-16. The result is always
 * 999 and carries no status: the destination file is the only product. A
 * source that cannot be read gives a 1 x 1 white image; a null or malformed
 * path counts as a file that cannot be opened.
 *
 * Load the module with dlopen("libPelwickBMPFlorwash.so", ...) and look the
 * symbol up with dlsym(handle, "BMPFlorwash"), or link it directly.
 */
#ifndef PELWICK_BMP_FLORWASH_H
#define PELWICK_BMP_FLORWASH_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#else
#include <uchar.h>
#endif

#if defined(__GNUC__)
#define BMP_FLORWASH_API __attribute__((visibility("default")))
#else
#define BMP_FLORWASH_API
#endif

BMP_FLORWASH_API int32_t BMPFlorwash(const char16_t* source, const char16_t* destination);

/* The type of BMPFlorwash, for a pointer obtained with dlsym. */
typedef int32_t (*BMPFlorwashFunction)(const char16_t* source, const char16_t* destination);

#ifdef __cplusplus
}
#endif

#endif
