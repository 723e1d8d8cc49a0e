/* The public header must compile as C. */
#include "export/bmp_florwash.h"

int florwash_header_compiles_as_c(void) {
    BMPFlorwashFunction function = 0;
    const char16_t path[] = u"in.bmp";
    return function == 0 && sizeof path == 14;
}
