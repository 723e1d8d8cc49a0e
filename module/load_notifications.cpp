// The dynamic loader sends a shared library no notifications; the module's
// constructor and destructor functions stand in for them, so that dlopen
// delivers attach and dlclose delivers detach to the entry routine. Thread
// start and end have no counterpart and are not delivered.
//
// An attach that fails cannot make dlopen fail. As the platform does when it
// refuses a load, the detach follows at once; the module then stays mapped
// with its export working, and the failure is reported to the class library
// for hosts to see (platform/classlib/load_reports.h).

#include <dlfcn.h>

#include "module/entry_routine.h"
#include "module/module_steps.h"
#include "platform/classlib/load_reports.h"

namespace {

constinit ModuleLoadReport loadReport{};

// Any object inside the module: its address leads to the start of the image.
const char anchor = 0;

ModuleInstance ThisModule() {
    Dl_info info{};
    return dladdr(&anchor, &info) != 0 ? info.dli_fbase : nullptr;
}

std::int32_t Deliver(std::uint32_t reason) {
    return EntryRoutine(kModuleEntrySteps, loadReport.instance, reason, nullptr);
}

__attribute__((constructor)) void DeliverAttach() {
    loadReport.instance = ThisModule();
    loadReport.attachResult = Deliver(kProcessAttach);
    if (loadReport.attachResult == 0) {
        Deliver(kProcessDetach);
    }
    PublishModuleLoadReport(&loadReport);
}

__attribute__((destructor)) void DeliverDetach() {
    WithdrawModuleLoadReport(&loadReport);
    if (loadReport.attachResult != 0) {
        Deliver(kProcessDetach);
    }
}

}  // namespace
