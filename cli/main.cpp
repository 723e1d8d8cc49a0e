// florwash: the BMP paint filter and BMP tools from the shell.

#include <cstdio>
#include <exception>

#include "cli/commands.h"

#if !defined(FLORWASH_VERSION) || !defined(FLORWASH_MODULE_NAME) || !defined(FLORWASH_MODULE_VERSION)
#error "FLORWASH_VERSION, FLORWASH_MODULE_NAME and FLORWASH_MODULE_VERSION must be defined by the build"
#endif

int main(int argc, char** argv) {
    try {
        CLI::App app{"Paint BMP files with a neighbourhood filter, and inspect and convert them.",
                     "florwash"};
        app.set_version_flag("--version", "florwash " FLORWASH_VERSION "\n"
                                          "module " FLORWASH_MODULE_NAME " " FLORWASH_MODULE_VERSION);
        app.require_subcommand(1);
        int exitCode = 0;
        AddPaintCommand(app, exitCode);
        AddConvertCommand(app, exitCode);
        AddInfoCommand(app, exitCode);
        AddResizeCommand(app, exitCode);
        try {
            app.parse(argc, argv);
        } catch (const CLI::ParseError& error) {
            return app.exit(error);
        }
        return exitCode;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "florwash: %s\n", error.what());
        return 1;
    }
}
