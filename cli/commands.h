#pragma once

#include <CLI/CLI.hpp>

// Each subcommand registers itself on the application. exitCode receives the
// command's result when it runs: 0 on success, 1 when a file could not be
// read or written.
void AddPaintCommand(CLI::App& app, int& exitCode);
void AddConvertCommand(CLI::App& app, int& exitCode);
void AddInfoCommand(CLI::App& app, int& exitCode);
void AddResizeCommand(CLI::App& app, int& exitCode);
