// CreateFilenameFromDate and INIReadString hand back their texts in one shared
// buffer: each overwrites the other's, and either may take its input from it.
#include "scratch_folder.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SharedResultBuffer, DateFileNamesAndIniReadsShareOneBufferAndMayReadFromIt)
{
    const zt::test::ScratchFolder scratch;
    const std::string file = scratch.file("plant.ini");
    ASSERT_LE(file.size(), 131u);
    ASSERT_EQ(INIWriteString(file.c_str(), "Line", "Name", "Filler"), 0);

    // A file name that is the date function's result: read before the value replaces it.
    const char* name = CreateFilenameFromDate("", file.c_str(), nullptr, 0);
    ASSERT_EQ(std::string(name), file);
    const char* value = INIReadString(name, "Line", "Name");
    EXPECT_EQ(value, name);
    EXPECT_STREQ(value, "Filler");

    // And a prefix that is the INI read's result.
    const char* dated = CreateFilenameFromDate("", value, ".log", 0);
    EXPECT_EQ(dated, value);
    EXPECT_STREQ(dated, "Filler.log");
    EXPECT_EQ(INIReadString(file.c_str(), "Line", "Missing"), dated);
    EXPECT_STREQ(dated, "FAILURE");
}

} // namespace
