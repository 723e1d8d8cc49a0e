/* Loads the installed paint module at run time and paints in.bmp, in the
 * working directory, into out.bmp. */

#include <dlfcn.h>
#include <stdio.h>

#include "export/bmp_florwash.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: paint_with_module PATH-TO-libPelwickBMPFlorwash.so\n");
        return 2;
    }
    void* module = dlopen(argv[1], RTLD_NOW);
    if (module == NULL) {
        fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    BMPFlorwashFunction paint = (BMPFlorwashFunction)dlsym(module, "BMPFlorwash");
    if (paint == NULL) {
        fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    int32_t result = paint(u"in.bmp", u"out.bmp"); /* always 999 */
    dlclose(module);
    return result == 999 ? 0 : 1;
}
