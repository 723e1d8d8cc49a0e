#pragma once

#include <string>
#include <vector>

#include "cli/paint_job.h"

// Paints every input into outputDirectory under its own file name, with jobs
// worker threads across files (each file is painted on one thread). A file
// that fails is reported by name and reason and the others go on. Returns 0
// when every file was painted, 1 otherwise.
int PaintBatch(const std::vector<std::string>& inputs, const std::string& outputDirectory, const PaintChoice& choice,
               unsigned jobs);
