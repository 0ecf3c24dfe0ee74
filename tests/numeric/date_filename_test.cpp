// CreateFilenameFromDate at fixed instants. Unless a case needs otherwise the
// zone is "CET-1" (one hour east of UTC, no daylight saving), which the POSIX
// C library and the Windows C runtime read alike.
#include "frame/result_buffers.h"
#include "local_time_control.h"
#include "suite_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using zt::test::FixedNow;
using zt::test::TimeZoneSetting;
using zt::test::utc_seconds;

const std::string unknown_char = "CreatFilenameFromDate: Unknown char in format string";

class DateFileNameCalls : public testing::Test {
  protected:
    DateFileNameCalls() { zt::test::suite_log().take_new_messages(); }

    std::string name(const char* format, const char* prefix, const char* postfix, int32_t offset)
    {
        return CreateFilenameFromDate(format, prefix, postfix, offset);
    }
    std::vector<std::string> reports() { return zt::test::suite_log().take_new_messages(); }
};

class DateFileNames : public DateFileNameCalls {
  protected:
    TimeZoneSetting zone_{"CET-1"};
};

TEST_F(DateFileNames, FormatLettersInAnyCaseOrderAndRepetition)
{
    FixedNow now(utc_seconds(2006, 1, 9, 12));
    EXPECT_EQ(name("ymd", "", "", 0), "20060109");
    EXPECT_EQ(name("DMY", "", "", 0), "09012006");
    EXPECT_EQ(name("Y", "", "", 0), "2006");
    EXPECT_EQ(name("yyy", "", "", 0), "200620062006");
    EXPECT_EQ(name("mD", "", "", 0), "0109");
    EXPECT_TRUE(reports().empty());
}

TEST_F(DateFileNames, PrefixAndPostfixSurroundTheShiftedDate)
{
    FixedNow now(utc_seconds(2006, 3, 5, 12));
    EXPECT_EQ(name("ymd", "LOG", ".txt", -1), "LOG20060304.txt");
    EXPECT_EQ(name("", "A", "B", 0), "AB");
}

TEST_F(DateFileNames, UnknownLetterIsReportedOnceAndSkipped)
{
    FixedNow now(utc_seconds(2006, 1, 9, 12));
    EXPECT_EQ(name("dx", "", "", 0), "09");
    EXPECT_EQ(reports(), std::vector<std::string>{unknown_char});
    EXPECT_EQ(name("x?d", "", "", 0), "09");
    EXPECT_EQ(reports(), (std::vector<std::string>{unknown_char, unknown_char}));
}

TEST_F(DateFileNames, FormatsOfFourOrMoreCharactersGiveNoDateAndNoReport)
{
    FixedNow now(utc_seconds(2006, 1, 9, 12));
    EXPECT_EQ(name("yymd", "", "", 0), "");
    EXPECT_EQ(name("yymdx", "A", "B", 0), "AB");
    EXPECT_TRUE(reports().empty());
}

TEST_F(DateFileNames, MonthAndYearEndsFollowTheCalendar)
{
    {
        FixedNow now(utc_seconds(2006, 2, 28, 12));
        EXPECT_EQ(name("ymd", "", "", 1), "20060301");
    }
    {
        FixedNow now(utc_seconds(2008, 2, 28, 12));
        EXPECT_EQ(name("ymd", "", "", 1), "20080229");
    }
    {
        FixedNow now(utc_seconds(2006, 1, 1, 12));
        EXPECT_EQ(name("ymd", "", "", -1), "20051231");
    }
}

TEST_F(DateFileNames, DateIsTheLocalOneNotTheUtcOne)
{
    FixedNow now(utc_seconds(2006, 1, 9, 23, 30)); // 00:30 on the 10th, one hour east
    EXPECT_EQ(name("ymd", "", "", 0), "20060110");
}

TEST_F(DateFileNames, DatesAfterJanuary2038AndLargeOffsetsWork)
{
    {
        FixedNow now(utc_seconds(2038, 1, 18, 12));
        EXPECT_EQ(name("ymd", "", "", 2), "20380120");
    }
    {
        FixedNow now(utc_seconds(2006, 1, 9, 12));
        EXPECT_EQ(name("ymd", "", "", 20000), "20601012");
        EXPECT_EQ(name("ymd", "", "", -12000), "19730303");
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(DateFileNames, InstantWithoutFourDigitYearGivesNoDateAndOneReport)
{
    const int32_t far_offsets[] = {std::numeric_limits<int32_t>::max(),
                                   std::numeric_limits<int32_t>::min()};
    FixedNow now(utc_seconds(2006, 1, 9, 12));
    for (const int32_t offset : far_offsets) {
        EXPECT_EQ(name("ymd", "A", "B", offset), "AB");
        const std::vector<std::string> seen = reports();
        ASSERT_EQ(seen.size(), 1u) << offset;
        EXPECT_EQ(seen[0].rfind("CreatFilenameFromDate:", 0), 0u) << seen[0];
    }
    // A format that is not looked at needs no date, so nothing is reported.
    EXPECT_EQ(name("yymd", "A", "B", far_offsets[0]), "AB");
    EXPECT_TRUE(reports().empty());
}

TEST_F(DateFileNames, ClockAtTheEndOfTimeIsRefusedRatherThanWrapped)
{
    FixedNow now(std::numeric_limits<int64_t>::max() - 10);
    EXPECT_EQ(name("d", "A", "", 1), "A");
    EXPECT_EQ(reports().size(), 1u);
}

TEST_F(DateFileNames, ResultIsCutToExactly131CharactersInTheSharedBuffer)
{
    FixedNow now(utc_seconds(2006, 1, 9, 12));
    const std::string prefix(100, 'p');
    const std::string postfix(40, 's');
    const char* result = CreateFilenameFromDate("ymd", prefix.c_str(), postfix.c_str(), 0);
    EXPECT_EQ(result, zt::frame::shared_result_buffer().data());
    EXPECT_EQ(std::string(result), (prefix + "20060109" + postfix).substr(0, 131));

    EXPECT_EQ(name("d", "", "", 0), "09"); // nothing of the longer text is left behind
}

TEST_F(DateFileNames, PreviousResultCanBePassedBackAsPrefixAndPostfix)
{
    FixedNow now(utc_seconds(2006, 1, 9, 12));
    const char* previous = CreateFilenameFromDate("d", "A", "", 0);
    EXPECT_EQ(name("m", previous, previous, 0), "A0901A09");
}

TEST_F(DateFileNames, NullTextsCountAsEmpty)
{
    FixedNow now(utc_seconds(2006, 1, 9, 12));
    EXPECT_EQ(name(nullptr, nullptr, nullptr, 0), "");
    EXPECT_EQ(name(nullptr, "A", nullptr, 0), "A");
    EXPECT_EQ(name("d", nullptr, ".log", 0), "09.log");
    EXPECT_TRUE(reports().empty());
}

TEST_F(DateFileNames, SystemClockGivesAFourDigitYear)
{
    const std::string year = name("y", "", "", 0);
    EXPECT_EQ(year.size(), 4u);
    EXPECT_GE(year, "2024");
}

// Around the changes of daylight-saving time in Central Europe. Natively TZ is
// set here. Under Wine the C runtime only knows fixed offsets from TZ; the
// daylight-saving rules are those of Wine's system zone, which follows the TZ
// the process started with. So there the case runs only in a process started
// with TZ=Europe/Berlin (its own test entry), with the runtime's TZ removed so
// that it falls back to the system zone.
class DateFileNamesInNamedZone : public DateFileNameCalls {
  protected:
    void SetUp() override
    {
#ifdef _WIN32
        if (zt::test::environment("TZ") != "Europe/Berlin") {
            GTEST_SKIP() << "under Wine this needs a process started with TZ=Europe/Berlin";
        }
        berlin_.emplace("");
#else
        berlin_.emplace("Europe/Berlin");
#endif
    }

    std::optional<TimeZoneSetting> berlin_;
};

TEST_F(DateFileNamesInNamedZone, WholeDayStepsKeepTheTimeOfDayAcrossTheChange)
{
    {
        // 00:30 CEST on Saturday 28 October 2006; summer time ends the next night,
        // so two steps of 24 hours land at 23:30 CET on the 29th.
        FixedNow now(utc_seconds(2006, 10, 27, 22, 30));
        EXPECT_EQ(name("ymd", "", "", 0), "20061028");
        EXPECT_EQ(name("ymd", "", "", 2), "20061029");
    }
    {
        // 23:30 CET on 25 March 2006; one step lands at 00:30 CEST on the 27th.
        FixedNow now(utc_seconds(2006, 3, 25, 22, 30));
        EXPECT_EQ(name("ymd", "", "", 0), "20060325");
        EXPECT_EQ(name("ymd", "", "", 1), "20060327");
    }
    {
        // 00:15 CEST on 1 July 2006 is still 30 June in UTC.
        FixedNow now(utc_seconds(2006, 6, 30, 22, 15));
        EXPECT_EQ(name("ymd", "", "", 0), "20060701");
    }
}

} // namespace
