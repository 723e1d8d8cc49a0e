#pragma once

#include <string>

// One line on standard error, prefixed with the program's name.
void ReportError(const std::string& message);

// "cannot read 'path': reason" and "cannot write 'path': reason".
std::string CannotRead(const std::string& path, const std::string& reason);
std::string CannotWrite(const std::string& path, const std::string& reason);
