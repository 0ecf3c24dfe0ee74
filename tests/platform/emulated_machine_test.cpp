// The emulated machine is only read by calls that read: a fresh machine stays
// empty until an INI file of the Windows directory is written.
#include "scratch_folder.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(EmulatedMachine, ReadsCreateNoFoldersAndTheFirstBareWriteCreatesTheWindowsDirectory)
{
    zt::test::ScratchFolder root;
    const std::string old_root = zt::test::environment("ZT_SYSROOT");
    zt::test::set_environment("ZT_SYSROOT", root.path().string());

    EXPECT_STREQ(INIReadString("plant.ini", "S", "K"), "FAILURE");
    EXPECT_EQ(INIReadInteger(nullptr, "S", "K"), -99);
    EXPECT_EQ(STATXSetProduct("p"), -1);
    EXPECT_LT(SetTagEU("Flow", "kg"), 0);
    EXPECT_TRUE(std::filesystem::is_empty(root.path()));

    EXPECT_EQ(INIWriteString("plant.ini", "S", "K", "v"), 0);
    EXPECT_STREQ(INIReadString("plant.ini", "S", "K"), "v");
    EXPECT_TRUE(std::filesystem::is_regular_file(root.path() / "c" / "windows" / "plant.ini"));

    if (old_root.empty()) {
        zt::test::unset_environment("ZT_SYSROOT");
    } else {
        zt::test::set_environment("ZT_SYSROOT", old_root);
    }
}

} // namespace
