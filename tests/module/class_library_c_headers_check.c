/* The class library's headers for hosts must compile as C. */
#include "platform/classlib/failure_switches.h"
#include "platform/classlib/load_reports.h"
#include "platform/classlib/registered_modules.h"

int florwash_class_library_headers_compile_as_c(void) {
    ModuleLoadReport report = {0, 1, 0};
    return report.attachResult == 1 && RegisteredExtensionModuleCount() == 0;
}
