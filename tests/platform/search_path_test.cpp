// Finding a program on the standard search path, through the platform seam.
#include "platform/search_path.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using zt::platform::search_path_finds;

class SearchPathTest : public ::testing::Test {
  protected:
    std::string unique_name(const std::string& suffix) const
    {
        return "zt-search-" + scratch.path().filename().string().substr(14) + suffix;
    }

    zt::test::ScratchFolder scratch;
};

TEST_F(SearchPathTest, MissingOrEmptyNameIsNotFound)
{
    EXPECT_FALSE(search_path_finds(unique_name(".exe").c_str()));
    EXPECT_FALSE(search_path_finds(""));
    EXPECT_FALSE(search_path_finds(nullptr));
}

TEST_F(SearchPathTest, FindsFileInCurrentDirectory)
{
    const std::string name = unique_name(".exe");
    zt::test::write_bytes(std::filesystem::current_path() / name, "x");
    EXPECT_TRUE(search_path_finds(name.c_str()));
    std::filesystem::remove(std::filesystem::current_path() / name);
    EXPECT_FALSE(search_path_finds(name.c_str()));
}

TEST_F(SearchPathTest, FindsFileInWindowsDirectory)
{
    zt::test::WindowsDirectory windows;
    const std::string name = unique_name(".exe");
    zt::test::write_bytes(windows.path() / name, "x");
    EXPECT_TRUE(search_path_finds(name.c_str()));
    std::filesystem::remove(windows.path() / name);
}

TEST_F(SearchPathTest, FindsFileInPathEntry)
{
    const std::string name = unique_name(".exe");
    zt::test::write_bytes(scratch.path() / name, "x");
    const std::string old_path = zt::test::environment("PATH");
#ifdef _WIN32
    const char separator = ';';
#else
    const char separator = ':';
#endif
    zt::test::set_environment("PATH", scratch.path().string() + separator + old_path);
    const bool found = search_path_finds(name.c_str());
    zt::test::set_environment("PATH", old_path);
    EXPECT_TRUE(found);
    EXPECT_FALSE(search_path_finds(name.c_str()));
}

TEST_F(SearchPathTest, NameWithFolderIsLookedUpThereOnly)
{
    const std::string name = unique_name(".exe");
    zt::test::write_bytes(scratch.path() / name, "x");
    EXPECT_TRUE(search_path_finds(scratch.file(name).c_str()));
    EXPECT_FALSE(search_path_finds(scratch.file("other.exe").c_str()));
}

#ifndef _WIN32
TEST_F(SearchPathTest, ExeNameAlsoMatchesNativeProgramWithoutExtension)
{
    zt::test::WindowsDirectory windows;
    const std::string stem = unique_name("");
    zt::test::write_bytes(windows.path() / stem, "x");
    EXPECT_TRUE(search_path_finds((stem + ".exe").c_str()));
    EXPECT_TRUE(search_path_finds((stem + ".EXE").c_str()));
    EXPECT_FALSE(search_path_finds((stem + ".com").c_str()));
}
#endif

} // namespace
