/*
 * The loader's answer to a module's attach notification. Where a module's
 * entry routine returning 0 on attach would make the load fail, dlopen cannot
 * be refused from inside the module, so the module's load glue reports the
 * result here instead and a host asks for it.
 *
 * A report belongs to the module that publishes it and stays on the list
 * until the module withdraws it as it unloads. Like the rest of the class
 * library this takes no lock: ask from the thread that loads the modules.
 */
#ifndef FLORWASH_CLASS_LIBRARY_LOAD_REPORTS_H
#define FLORWASH_CLASS_LIBRARY_LOAD_REPORTS_H

#include <stdint.h>

#include "platform/classlib/class_library_api.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct ModuleLoadReport {
    const void* instance;          /* the module's instance handle */
    int32_t attachResult;          /* what its entry routine returned on attach */
    struct ModuleLoadReport* next; /* kept by the list */
} ModuleLoadReport;

CLASS_LIBRARY_API void PublishModuleLoadReport(ModuleLoadReport* report);
CLASS_LIBRARY_API void WithdrawModuleLoadReport(ModuleLoadReport* report);

/* The attach result reported by the loaded module at instance: 0 when its
 * attach failed, non-zero when it succeeded, -1 when no loaded module
 * reported for that instance. */
CLASS_LIBRARY_API int32_t ReportedAttachResult(const void* instance);

#ifdef __cplusplus
}
#endif

#endif
