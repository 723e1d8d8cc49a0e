#include "platform/classlib/load_reports.h"

namespace {

constinit ModuleLoadReport* reportsHead = nullptr;

}  // namespace

void PublishModuleLoadReport(ModuleLoadReport* report) {
    report->next = reportsHead;
    reportsHead = report;
}

void WithdrawModuleLoadReport(ModuleLoadReport* report) {
    for (ModuleLoadReport** link = &reportsHead; *link != nullptr; link = &(*link)->next) {
        if (*link == report) {
            *link = report->next;
            return;
        }
    }
}

int32_t ReportedAttachResult(const void* instance) {
    for (const ModuleLoadReport* report = reportsHead; report != nullptr; report = report->next) {
        if (report->instance == instance) {
            return report->attachResult;
        }
    }
    return -1;
}
