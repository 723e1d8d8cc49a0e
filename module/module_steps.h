#pragma once

#include "module/entry_routine.h"

// The module's own steps: the raw hook, the module handler and the runtime's
// tables, all empty. The module has no static objects to construct or
// destroy and registers no exit handlers.
extern const EntrySteps kModuleEntrySteps;
