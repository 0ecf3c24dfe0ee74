// Statistics-export settings as a host calls them: nothing happens without the
// tool on the search path; with it, each accepted field is written and the
// status sum tells which were not.
#include "platform/search_path.h"
#include "statx_test_support.h"
#include "suite_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Messages = std::vector<std::string>;
using zt::test::suite_log;

class StatxSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { suite_log().take_new_messages(); }
    void TearDown() override { EXPECT_EQ(suite_log().take_new_messages(), Messages{}); }

    std::string defaults(const std::string& lines) const { return "[Defaults]\r\n" + lines; }

    zt::test::StatxSettingsFile settings;
};

TEST_F(StatxSettingsTest, WithoutTheToolEveryExportGivesMinusOneAndWritesNothing)
{
    ASSERT_FALSE(zt::platform::search_path_finds("statx.exe"));
    EXPECT_EQ(STATXSetStartDate(2006, 3, 5), -1);
    EXPECT_FALSE(std::filesystem::exists(settings.path()));

    const std::string kept = "[Defaults]\nProduct=Old\n";
    zt::test::write_bytes(settings.path(), kept);
    EXPECT_EQ(STATXSetStartDate(2006, 3, 5), -1);
    EXPECT_EQ(STATXSetEndDate(2006, 3, 6), -1);
    EXPECT_EQ(STATXSetStartTime(6, 0, 0), -1);
    EXPECT_EQ(STATXSetEndTime(18, 0, 0), -1);
    EXPECT_EQ(STATXSetProduct("Beer"), -1);
    EXPECT_EQ(STATXSetDataset("Line1"), -1);
    EXPECT_EQ(STATXSetOutputFile("out.csv"), -1);
    EXPECT_EQ(STATXSetProduct(nullptr), -1);
    EXPECT_EQ(settings.bytes(), kept);
}

TEST_F(StatxSettingsTest, AcceptedDatesAreWrittenInFull)
{
    zt::test::ExportToolOnSearchPath tool;
    EXPECT_EQ(STATXSetStartDate(2006, 3, 5), 0);
    EXPECT_EQ(STATXSetEndDate(2006, 2, 31), 0) << "the day is not checked against the month";
    EXPECT_EQ(settings.bytes(), defaults("StartYear=2006\r\nStartMonth=3\r\nStartDay=5\r\n"
                                         "EndYear=2006\r\nEndMonth=2\r\nEndDay=31\r\n"));
    EXPECT_EQ(STATXSetEndDate(2147483647, 12, 31), 0) << "the year has no upper bound";
}

TEST_F(StatxSettingsTest, StatusSumNamesTheFieldsNotWritten)
{
    zt::test::ExportToolOnSearchPath tool;
    EXPECT_EQ(STATXSetStartDate(1969, 3, 5), 1);
    EXPECT_EQ(settings.bytes(), defaults("StartMonth=3\r\nStartDay=5\r\n"));
    EXPECT_EQ(STATXSetStartDate(2006, 13, 0), 110);
    EXPECT_EQ(settings.bytes(), defaults("StartMonth=3\r\nStartDay=5\r\nStartYear=2006\r\n"));

    EXPECT_EQ(STATXSetEndTime(24, 60, 60), 1);
    EXPECT_EQ(STATXSetEndTime(-1, 0, 61), 101);
    EXPECT_EQ(STATXSetStartTime(23, 59, 0), 0);
    EXPECT_EQ(STATXSetStartTime(0, -1, 0), 10);
    EXPECT_EQ(settings.bytes(),
              defaults("StartMonth=3\r\nStartDay=5\r\nStartYear=2006\r\nEndMin=0\r\nEndSec=60\r\n"
                       "StartHour=0\r\nStartMin=59\r\nStartSec=0\r\n"));
}

TEST_F(StatxSettingsTest, TextsAreWrittenUnchangedEvenWhenEmpty)
{
    zt::test::ExportToolOnSearchPath tool;
    EXPECT_EQ(STATXSetProduct("Beer = lager; 0.5 l"), 0);
    EXPECT_EQ(STATXSetDataset("Line1"), 0);
    EXPECT_EQ(STATXSetOutputFile("C:\\exports\\beer.csv"), 0);
    EXPECT_EQ(STATXSetProduct(""), 0);
    EXPECT_EQ(settings.bytes(),
              defaults("Product=\r\nDSName=Line1\r\nOutputFile=C:\\exports\\beer.csv\r\n"));

    // A null text would delete the key; it counts as not written instead.
    EXPECT_EQ(STATXSetDataset(nullptr), 1);
    EXPECT_EQ(settings.bytes(),
              defaults("Product=\r\nDSName=Line1\r\nOutputFile=C:\\exports\\beer.csv\r\n"));
}

TEST_F(StatxSettingsTest, FailedWritesCountLikeRejectedValues)
{
    zt::test::ExportToolOnSearchPath tool;
    std::filesystem::create_directory(settings.path()); // "statx.ini" that cannot be written
    EXPECT_EQ(STATXSetStartDate(2006, 3, 5), 111);
    EXPECT_EQ(STATXSetEndTime(24, 0, 0), 111);
    EXPECT_EQ(STATXSetProduct("Beer"), 1);
    EXPECT_EQ(STATXSetOutputFile(""), 1);
}

} // namespace
