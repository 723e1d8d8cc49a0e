#include "export/same_file.h"

#include <sys/stat.h>

bool SameExistingFile(const char* first, const char* second) {
    struct stat a {};
    struct stat b {};
    return first != nullptr && second != nullptr && stat(first, &a) == 0 && stat(second, &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
