// The entry routine's order of steps for every reason, with recording steps
// in place of the module's own.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "module/entry_routine.h"

namespace {

std::vector<std::string> calls;
std::int32_t hookResult = 1;
std::int32_t handlerResult = 1;

const int instanceAnchor = 0;
const ModuleInstance kInstance = &instanceAnchor;
int reservedAnchor = 0;
void* const kReserved = &reservedAnchor;

// "name(reason)", marked when the routine did not get the entry routine's
// instance and reserved pointer.
void Record(const char* name, ModuleInstance instance, std::uint32_t reason, void* reserved) {
    std::string call = std::string(name) + "(" + std::to_string(reason) + ")";
    if (instance != kInstance || reserved != kReserved) call += " with other arguments";
    calls.push_back(call);
}

std::int32_t RecordingHook(ModuleInstance instance, std::uint32_t reason, void* reserved) {
    Record("hook", instance, reason, reserved);
    return hookResult;
}

std::int32_t RecordingHandler(ModuleInstance instance, std::uint32_t reason, void* reserved) {
    Record("handler", instance, reason, reserved);
    return handlerResult;
}

// Null entries stand where the runtime leaves gaps in its tables.
const RuntimeStep kFirstInitialisers[] = {[] { calls.push_back("init 1.1"); }, nullptr,
                                          [] { calls.push_back("init 1.3"); }};
const RuntimeStep kSecondInitialisers[] = {[] { calls.push_back("init 2.1"); }};
// In the order they were registered.
const RuntimeStep kExitHandlers[] = {[] { calls.push_back("exit handler 1"); },
                                     [] { calls.push_back("exit handler 2"); }};
const RuntimeStep kPreTermination[] = {nullptr, [] { calls.push_back("pre-termination 2"); }};
const RuntimeStep kTermination[] = {[] { calls.push_back("termination 1"); }};

EntrySteps RecordingSteps(bool withHook) {
    return EntrySteps{
        .rawHook = withHook ? &RecordingHook : nullptr,
        .initialiserTables = {kFirstInitialisers, kSecondInitialisers},
        .exitHandlers = kExitHandlers,
        .preTermination = kPreTermination,
        .termination = kTermination,
        .handler = &RecordingHandler,
    };
}

using Calls = std::vector<std::string>;
const Calls kInitialisers = {"init 1.1", "init 1.3", "init 2.1"};
const Calls kExitSteps = {"exit handler 2", "exit handler 1", "pre-termination 2", "termination 1"};

Calls Join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct EntryCase {
    const char* name;
    std::uint32_t reason;
    bool withHook;
    std::int32_t hookResult;
    std::int32_t handlerResult;
    Calls calls;
    std::int32_t result;
};

void PrintTo(const EntryCase& c, std::ostream* out) { *out << c.name; }

class EntryRoutineTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryRoutineTest, RunsTheStepsInOrder) {
    const EntryCase& c = GetParam();
    calls.clear();
    hookResult = c.hookResult;
    handlerResult = c.handlerResult;
    EXPECT_EQ(EntryRoutine(RecordingSteps(c.withHook), kInstance, c.reason, kReserved), c.result);
    EXPECT_EQ(calls, c.calls);
}

// A failing initialisation is the handler's 0 on attach: extension-module
// initialisation failed inside it.
INSTANTIATE_TEST_SUITE_P(
    Reasons, EntryRoutineTest,
    ::testing::Values(
        EntryCase{"Attach", kProcessAttach, true, 1, 1, Join({{"hook(1)"}, kInitialisers, {"handler(1)"}}), 1},
        EntryCase{"AttachRawHookFails", kProcessAttach, true, 0, 1, {"hook(1)"}, 0},
        EntryCase{"AttachInitialisationFails", kProcessAttach, true, 1, 0,
                  Join({{"hook(1)"}, kInitialisers, {"handler(1)"}}), 0},
        EntryCase{"AttachWithoutRawHook", kProcessAttach, false, 0, 1, Join({kInitialisers, {"handler(1)"}}), 1},
        EntryCase{"Detach", kProcessDetach, true, 1, 1, Join({{"handler(0)"}, kExitSteps, {"hook(0)"}}), 1},
        EntryCase{"DetachRawHookFails", kProcessDetach, true, 0, 1, Join({{"handler(0)"}, kExitSteps, {"hook(0)"}}),
                  0},
        EntryCase{"DetachHandlerFails", kProcessDetach, true, 1, 0, Join({{"handler(0)"}, kExitSteps, {"hook(0)"}}),
                  0},
        EntryCase{"DetachWithoutRawHook", kProcessDetach, false, 0, 1, Join({{"handler(0)"}, kExitSteps}), 1},
        EntryCase{"ThreadStart", kThreadAttach, true, 0, 1, {"handler(2)"}, 1},
        EntryCase{"ThreadEnd", kThreadDetach, true, 0, 1, {"handler(3)"}, 1},
        EntryCase{"ThreadStartHandlerFails", kThreadAttach, true, 1, 0, {"handler(2)"}, 0}),
    [](const ::testing::TestParamInfo<EntryCase>& param) { return std::string(param.param.name); });

}  // namespace
