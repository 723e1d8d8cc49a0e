#include "cli/atomic_save.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The mode a plain fopen would give a new file: 0666 less the umask.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

SaveStatus SaveAtomically(BMPImage& image, const std::string& path) {
    std::string pattern = DirectoryOf(path) + "/.florwash-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0) {
        return SaveStatus{SaveError::CannotOpen, errno};
    }
    // An existing file keeps its permissions; a new one gets the usual ones.
    struct stat existing {};
    const mode_t mode = stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : NewFileMode();
    fchmod(descriptor, mode);
    close(descriptor);

    SaveStatus status = image.SaveWithStatus(name.data());
    if (status.ok() && std::rename(name.data(), path.c_str()) != 0) {
        status = SaveStatus{SaveError::CannotOpen, errno};
    }
    if (!status.ok()) {
        std::remove(name.data());
    }
    return status;
}
