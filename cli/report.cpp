#include "cli/report.h"

#include <cstdio>

void ReportError(const std::string& message) { std::fprintf(stderr, "florwash: %s\n", message.c_str()); }

std::string CannotRead(const std::string& path, const std::string& reason) {
    return "cannot read '" + path + "': " + reason;
}

std::string CannotWrite(const std::string& path, const std::string& reason) {
    return "cannot write '" + path + "': " + reason;
}
