// The built library loaded by path, as a host loads it.
#include "dynamic_library.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using PasteFn = std::int32_t(ZT_CALLER*)(const char*, char*);
using NoArgumentFn = void(ZT_CALLEE*)();

TEST(LibraryLoad, LoadsRunsAndUnloadsAndLoadsAgain)
{
    zt::test::use_fresh_emulated_machine();
    for (int round = 0; round < 2; ++round) {
        {
            const zthost::DynamicLibrary library(zt::test::library_path());
            ASSERT_TRUE(library.loaded()) << library.error();
            const auto paste = reinterpret_cast<PasteFn>(library.entry_point("PasteFunc"));
            ASSERT_NE(paste, nullptr);
            char buffer[64];
            // A fresh load starts with no previous result.
            EXPECT_EQ(paste("NoSuchFunction", buffer), 0);
            EXPECT_EQ(paste("GeoArea", buffer), 13 * 65536 + 9);
        }
        EXPECT_FALSE(zt::test::library_is_loaded(zt::test::library_path()));
    }
}

TEST(LibraryLoad, LoggerEntryPointsHaveTheirExportNames)
{
    const zthost::DynamicLibrary library(zt::test::library_path());
    ASSERT_TRUE(library.loaded()) << library.error();
    const auto init = reinterpret_cast<NoArgumentFn>(library.entry_point("_ZtDllInit@0"));
    const auto free = reinterpret_cast<NoArgumentFn>(library.entry_point("_ZtDllFree@0"));
#if defined(_WIN32) && !defined(_WIN64)
    EXPECT_NE(init, nullptr);
    EXPECT_NE(free, nullptr);
    EXPECT_EQ(library.entry_point("ZtDllInit"), nullptr);
#else
    // 64-bit Windows decorates no name, and natively none is decorated either.
    EXPECT_EQ(init, nullptr);
    EXPECT_EQ(free, nullptr);
    EXPECT_NE(library.entry_point("ZtDllInit"), nullptr);
    EXPECT_NE(library.entry_point("ZtDllFree"), nullptr);
#endif
}

} // namespace
