// A host loading the built module: dlopen registers it with the class
// library, dlclose unregisters it, and the export works whatever the attach
// did.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "bitmap/bmp_image.h"
#include "export/bmp_florwash.h"
#include "platform/classlib/failure_switches.h"
#include "platform/classlib/load_reports.h"
#include "platform/classlib/registered_modules.h"
#include "support/bmp_bytes.h"

namespace {

struct HostCase {
    const char* name;
    bool failAllocations;
    bool failInitialisations;
    std::int32_t attachResult;
    bool registered;
};

void PrintTo(const HostCase& c, std::ostream* out) { *out << c.name; }

class ModuleLoadTest : public ::testing::TestWithParam<HostCase> {
protected:
    void TearDown() override {
        FailClassLibraryAllocations(0);
        FailExtensionModuleInitialisations(0);
    }

    // Paints a 12 x 12 picture through the export: 999 and a 24-bit file of
    // that size.
    void ExpectExportWorks(BMPFlorwashFunction paint) {
        BMPImage source;
        ASSERT_TRUE(source.SetDimensions(12, 12));
        ASSERT_TRUE(source.Save((dir / "in.bmp").c_str()));
        EXPECT_EQ(paint((dir / "in.bmp").u16string().c_str(), (dir / "out.bmp").u16string().c_str()), 999);
        BMPImage painted;
        ASSERT_TRUE(painted.Load((dir / "out.bmp").c_str()));
        EXPECT_EQ(painted.Width(), 12);
        EXPECT_EQ(painted.Height(), 12);
        EXPECT_EQ(painted.Depth(), 24);
    }

    TempDir dir;
};

TEST_P(ModuleLoadTest, DlopenRegistersAndDlcloseUnregisters) {
    const HostCase& c = GetParam();
    ASSERT_EQ(RegisteredExtensionModuleCount(), 0u);
    FailClassLibraryAllocations(c.failAllocations);
    FailExtensionModuleInitialisations(c.failInitialisations);
    void* handle = dlopen(FLORWASH_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    FailClassLibraryAllocations(0);
    FailExtensionModuleInitialisations(0);
    ASSERT_NE(handle, nullptr) << dlerror();

    const auto paint = reinterpret_cast<BMPFlorwashFunction>(dlsym(handle, "BMPFlorwash"));
    ASSERT_NE(paint, nullptr) << dlerror();
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<const void*>(paint), &info), 0);
    const void* instance = info.dli_fbase;

    EXPECT_EQ(ReportedAttachResult(instance), c.attachResult);
    EXPECT_EQ(RegisteredExtensionModuleCount(), c.registered ? 1u : 0u);
    EXPECT_EQ(RegisteredExtensionModule(0), c.registered ? instance : nullptr);
    ExpectExportWorks(paint);

    ASSERT_EQ(dlclose(handle), 0) << dlerror();
    EXPECT_EQ(RegisteredExtensionModuleCount(), 0u);
    EXPECT_EQ(ReportedAttachResult(instance), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Host, ModuleLoadTest,
    ::testing::Values(HostCase{"Registers", false, false, 1, true},
                      HostCase{"AllocationFails", true, false, 1, false},
                      HostCase{"InitialisationFails", false, true, 0, false}),
    [](const ::testing::TestParamInfo<HostCase>& param) { return std::string(param.param.name); });

}  // namespace
