#include "module/module_steps.h"

#include "module/module_handler.h"
#include "module/raw_hook.h"

const EntrySteps kModuleEntrySteps{
    .rawHook = &RawHook,
    .initialiserTables = {},
    .exitHandlers = {},
    .preTermination = {},
    .termination = {},
    .handler = &ModuleHandler,
};
