// INI exports as a host calls them: values written and read back, defaults,
// the shared result buffer, and the two write-failure reports.
#include "scratch_folder.h"
#include "suite_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Messages = std::vector<std::string>;
using zt::test::read_bytes;
using zt::test::suite_log;

class IniFileTest : public ::testing::Test {
  protected:
    void SetUp() override { suite_log().take_new_messages(); }

    zt::test::ScratchFolder scratch;
    const std::string file = scratch.file("plant.ini");
};

TEST_F(IniFileTest, IntegersAndTextsReadBackAsWritten)
{
    EXPECT_EQ(INIWriteInteger(file.c_str(), "Modbus", "Port", 502), 0);
    EXPECT_EQ(INIWriteInteger(file.c_str(), "Modbus", "Offset", -7), 0);
    EXPECT_EQ(INIWriteInteger(file.c_str(), "Modbus", "Lowest", INT_MIN), 0);
    EXPECT_EQ(INIWriteString(file.c_str(), "Line", "Name", "Filler 2"), 0);

    EXPECT_EQ(INIReadInteger(file.c_str(), "Modbus", "Port"), 502);
    EXPECT_EQ(INIReadInteger(file.c_str(), "Modbus", "Offset"), -7);
    EXPECT_EQ(INIReadInteger(file.c_str(), "Modbus", "Lowest"), INT_MIN);
    EXPECT_STREQ(INIReadString(file.c_str(), "Modbus", "Offset"), "-7");
    EXPECT_STREQ(INIReadString(file.c_str(), "Line", "Name"), "Filler 2");
    EXPECT_EQ(read_bytes(file), "[Modbus]\r\nPort=502\r\nOffset=-7\r\nLowest=-2147483648\r\n"
                                "[Line]\r\nName=Filler 2\r\n");
    EXPECT_EQ(suite_log().take_new_messages(), Messages{});
}

TEST_F(IniFileTest, NothingStoredGivesTheDefaultsWithoutReport)
{
    const std::string missing = scratch.file("missing.ini");
    EXPECT_STREQ(INIReadString(missing.c_str(), "Modbus", "Port"), "FAILURE");
    EXPECT_EQ(INIReadInteger(missing.c_str(), "Modbus", "Port"), -99);
    EXPECT_FALSE(std::filesystem::exists(missing));

    ASSERT_EQ(INIWriteInteger(file.c_str(), "Modbus", "Port", 502), 0);
    EXPECT_STREQ(INIReadString(file.c_str(), "Other", "Port"), "FAILURE");
    EXPECT_STREQ(INIReadString(file.c_str(), "Modbus", "Baud"), "FAILURE");
    EXPECT_EQ(INIReadInteger(file.c_str(), "Other", "Port"), -99);
    EXPECT_EQ(INIReadInteger(file.c_str(), "Modbus", "Baud"), -99);
    EXPECT_EQ(suite_log().take_new_messages(), Messages{});
}

TEST_F(IniFileTest, ReadStringGivesAtMost130CharactersInOneSharedBuffer)
{
    const std::string long_value = std::string(100, 'a') + std::string(100, 'b');
    ASSERT_EQ(INIWriteString(file.c_str(), "Text", "Long", long_value.c_str()), 0);
    ASSERT_EQ(INIWriteString(file.c_str(), "Text", "Short", "short"), 0);

    EXPECT_EQ(std::string(INIReadString(file.c_str(), "Text", "Long")), long_value.substr(0, 130));

    const char* first = INIReadString(file.c_str(), "Text", "Long");
    const char* second = INIReadString(file.c_str(), "Text", "Short");
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "short");
}

TEST_F(IniFileTest, BareFileNameLivesInTheWindowsDirectory)
{
    zt::test::WindowsDirectory windows;
    const std::string name = "zt-ini-" + scratch.path().filename().string().substr(14) + ".ini";
    const std::filesystem::path stored = windows.path() / name;

    ASSERT_EQ(INIWriteInteger(name.c_str(), "Modbus", "Port", 502), 0);
    EXPECT_EQ(read_bytes(stored), "[Modbus]\r\nPort=502\r\n");
    EXPECT_EQ(INIReadInteger(name.c_str(), "Modbus", "Port"), 502);
    std::filesystem::remove(stored);
}

TEST_F(IniFileTest, WriteIntoMissingFolderFailsWithItsReport)
{
    const std::string lost = (scratch.path() / "no-such-folder" / "plant.ini").string();

    EXPECT_EQ(INIWriteString(lost.c_str(), "Line", "Name", "Filler"), -1);
    EXPECT_EQ(suite_log().take_new_messages(), Messages{"INIWriteString: Write failed"});
    EXPECT_EQ(INIWriteInteger(lost.c_str(), "Modbus", "Port", 502), -1);
    EXPECT_EQ(suite_log().take_new_messages(), Messages{"INIWriteInteger: Write failed"});
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "no-such-folder"));
}

// A null text would make the profile service pick "win.ini", delete a key or
// a whole section: such writes fail instead and change nothing.
TEST_F(IniFileTest, NullTextsFromTheHostChangeNothing)
{
    ASSERT_EQ(INIWriteInteger(file.c_str(), "Modbus", "Port", 502), 0);
    const std::string before = read_bytes(file);
    const char* f = file.c_str();

    EXPECT_EQ(INIWriteString(nullptr, "Modbus", "Port", "1"), -1);
    EXPECT_EQ(INIWriteString(f, nullptr, "Port", "1"), -1);
    EXPECT_EQ(INIWriteString(f, "Modbus", nullptr, "1"), -1);
    EXPECT_EQ(INIWriteString(f, "Modbus", "Port", nullptr), -1);
    EXPECT_EQ(suite_log().take_new_messages(), Messages(4, "INIWriteString: Write failed"));
    EXPECT_EQ(INIWriteInteger(nullptr, "Modbus", "Port", 1), -1);
    EXPECT_EQ(INIWriteInteger(f, nullptr, "Port", 1), -1);
    EXPECT_EQ(INIWriteInteger(f, "Modbus", nullptr, 1), -1);
    EXPECT_EQ(suite_log().take_new_messages(), Messages(3, "INIWriteInteger: Write failed"));
    EXPECT_EQ(read_bytes(file), before);

    EXPECT_STREQ(INIReadString(nullptr, "Modbus", "Port"), "FAILURE");
    EXPECT_STREQ(INIReadString(f, nullptr, "Port"), "FAILURE");
    EXPECT_STREQ(INIReadString(f, "Modbus", nullptr), "FAILURE");
    EXPECT_EQ(INIReadInteger(nullptr, "Modbus", "Port"), -99);
    EXPECT_EQ(INIReadInteger(f, nullptr, "Port"), -99);
    EXPECT_EQ(INIReadInteger(f, "Modbus", nullptr), -99);
    EXPECT_EQ(suite_log().take_new_messages(), Messages{});
}

} // namespace
