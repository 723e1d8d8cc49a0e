#pragma once

#include <string>
#include <vector>

// Runs a program with arguments (no shell), capturing its exit status and
// both output streams.
struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments);
