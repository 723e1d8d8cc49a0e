// The module's own steps, the raw hook and the module handler, against the
// class library, driven through the entry routine without a loader.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "module/entry_routine.h"
#include "module/module_steps.h"
#include "platform/classlib/failure_switches.h"
#include "platform/classlib/module_state.h"
#include "platform/classlib/registered_modules.h"

namespace {

const int instanceAnchor = 0;
const ModuleInstance kInstance = &instanceAnchor;

struct LoadCase {
    const char* name;
    bool failAllocations;
    bool failInitialisations;
    std::int32_t attachResult;
    bool registered;
    bool hostListsBack;  // false: still set aside by the raw hook
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class ModuleHandlerTest : public ::testing::TestWithParam<LoadCase> {
protected:
    void SetUp() override { *CurrentModuleState() = ModuleState{&hostClass, nullptr, &hostFactory, nullptr}; }
    void TearDown() override {
        FailClassLibraryAllocations(0);
        FailExtensionModuleInitialisations(0);
    }

    void ExpectHostLists(bool back) const {
        const ModuleState& state = *CurrentModuleState();
        EXPECT_EQ(state.registeredClasses, back ? &hostClass : nullptr);
        EXPECT_EQ(state.objectFactories, back ? &hostFactory : nullptr);
        EXPECT_EQ(state.initialRegisteredClasses, &hostClass);
        EXPECT_EQ(state.initialObjectFactories, &hostFactory);
    }

    ClassLibraryLink hostClass;
    ClassLibraryLink hostFactory;
};

TEST_P(ModuleHandlerTest, AttachRegistersAndDetachUnregisters) {
    const LoadCase& c = GetParam();
    FailClassLibraryAllocations(c.failAllocations);
    FailExtensionModuleInitialisations(c.failInitialisations);
    EXPECT_EQ(EntryRoutine(kModuleEntrySteps, kInstance, kProcessAttach, nullptr), c.attachResult);
    FailClassLibraryAllocations(0);
    FailExtensionModuleInitialisations(0);

    ASSERT_EQ(RegisteredExtensionModuleCount(), c.registered ? 1u : 0u);
    if (c.registered) {
        EXPECT_EQ(RegisteredExtensionModule(0), kInstance);
    }
    EXPECT_EQ(RegisteredExtensionModule(1), nullptr);
    ExpectHostLists(c.hostListsBack);

    EXPECT_EQ(EntryRoutine(kModuleEntrySteps, kInstance, kThreadAttach, nullptr), 1);
    EXPECT_EQ(EntryRoutine(kModuleEntrySteps, kInstance, kThreadDetach, nullptr), 1);
    EXPECT_EQ(RegisteredExtensionModuleCount(), c.registered ? 1u : 0u);

    EXPECT_EQ(EntryRoutine(kModuleEntrySteps, kInstance, kProcessDetach, nullptr), 1);
    EXPECT_EQ(RegisteredExtensionModuleCount(), 0u);
    ExpectHostLists(c.hostListsBack);
}

INSTANTIATE_TEST_SUITE_P(
    ClassLibrary, ModuleHandlerTest,
    ::testing::Values(LoadCase{"Registers", false, false, 1, true, true},
                      // No registration object without memory, and the attach still succeeds.
                      LoadCase{"AllocationFails", true, false, 1, false, true},
                      LoadCase{"InitialisationFails", false, true, 0, false, false}),
    [](const ::testing::TestParamInfo<LoadCase>& param) { return std::string(param.param.name); });

}  // namespace
