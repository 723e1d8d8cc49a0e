#include "platform/classlib/module_state.h"

namespace {

// Constant-initialised, so it is ready before any module's load code runs
// and still there when the last module unloads at process exit.
constinit ModuleState hostState{};

}  // namespace

ModuleState* CurrentModuleState() noexcept { return &hostState; }
