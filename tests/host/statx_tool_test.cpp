// The statistics-export tool stand-in: the job it reads from its settings, the
// settings it refuses, and the program itself run on settings the library wrote.
#include "export_job.h"
#include "statx_test_support.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

namespace {

using Settings = std::map<std::string, std::string>;

Settings complete_settings()
{
    return {{"StartYear", "2024"}, {"StartMonth", "2"}, {"StartDay", "29"},
            {"StartHour", "6"},    {"StartMin", "0"},   {"StartSec", "0"},
            {"EndYear", "2024"},   {"EndMonth", "3"},   {"EndDay", "1"},
            {"EndHour", "5"},      {"EndMin", "59"},    {"EndSec", "59"},
            {"Product", "Beer"},   {"DSName", "Line1"}, {"OutputFile", "C:\\exports\\beer.csv"}};
}

std::variant<statx_tool::ExportJob, statx_tool::Refusal> job_from(const Settings& settings)
{
    return statx_tool::read_export_job([&](const char* key) -> std::optional<std::string> {
        const auto found = settings.find(key);
        return found == settings.end() ? std::nullopt : std::optional(found->second);
    });
}

std::string refusal_of(const Settings& settings)
{
    const auto job = job_from(settings);
    const auto* refusal = std::get_if<statx_tool::Refusal>(&job);
    return refusal != nullptr ? refusal->reason : "(accepted)";
}

TEST(StatxTool, DescribesTheJobOfCompleteSettings)
{
    const auto job = job_from(complete_settings());
    ASSERT_TRUE(std::holds_alternative<statx_tool::ExportJob>(job));
    EXPECT_EQ(statx_tool::describe(std::get<statx_tool::ExportJob>(job)),
              "statx export job\n"
              "  period:  2024-02-29 06:00:00 to 2024-03-01 05:59:59\n"
              "  product: Beer\n"
              "  dataset: Line1\n"
              "  output:  C:\\exports\\beer.csv\n");
}

TEST(StatxTool, RefusesMissingOrInvalidSettingsNamingTheKey)
{
    const auto with = [](const std::string& key, const std::string& value) {
        Settings settings = complete_settings();
        settings[key] = value;
        return refusal_of(settings);
    };
    Settings without_dataset = complete_settings();
    without_dataset.erase("DSName");

    EXPECT_EQ(refusal_of(without_dataset), "DSName is missing");
    EXPECT_EQ(with("Product", ""), "Product is empty");
    EXPECT_EQ(with("StartMonth", "3x"), "StartMonth is not a whole number: \"3x\"");
    EXPECT_EQ(with("EndHour", " 5"), "EndHour is not a whole number: \" 5\"");
    EXPECT_EQ(with("StartYear", "1969"), "StartYear=1969 is outside 1970 to 9999");
    EXPECT_EQ(with("EndMin", "60"), "EndMin=60 is outside 0 to 59");
    EXPECT_EQ(with("StartYear", "2023"), "StartDay=29 is outside 1 to 28");
    EXPECT_EQ(with("EndYear", "2023"),
              "the period ends (2023-03-01 05:59:59) before it starts (2024-02-29 06:00:00)");
}

// The real program, on settings written through the library's exports.
TEST(StatxTool, ProgramPrintsTheJobOrRefusesWithNonZeroExit)
{
    zt::test::StatxSettingsFile settings;
    zt::test::ScratchFolder scratch;
    const std::string output = scratch.file("statx.out");
    std::string command = "\"" + zt::test::export_tool_program() + "\" > \"" + output + "\" 2>&1";
#ifdef _WIN32
    command = "\"" + command + "\""; // cmd /c drops the outer quotes of the line
#endif
    const auto run = [&] {
        const int status = std::system(command.c_str());
        return std::pair{status, zt::test::read_bytes(output)};
    };

    zt::test::ExportToolOnSearchPath tool;
    ASSERT_EQ(STATXSetStartDate(2006, 3, 5), 0);
    ASSERT_EQ(STATXSetStartTime(6, 0, 0), 0);
    ASSERT_EQ(STATXSetEndDate(2006, 3, 6), 0);
    ASSERT_EQ(STATXSetEndTime(6, 0, 0), 0);
    ASSERT_EQ(STATXSetProduct("Beer"), 0);
    ASSERT_EQ(STATXSetOutputFile("beer.csv"), 0);

    auto [status, text] = run();
    EXPECT_NE(status, 0);
    EXPECT_NE(text.find("statx: refused: DSName is missing"), std::string::npos) << text;

    ASSERT_EQ(STATXSetDataset("Line1"), 0);
    std::tie(status, text) = run();
    EXPECT_EQ(status, 0) << text;
    EXPECT_NE(text.find("period:  2006-03-05 06:00:00 to 2006-03-06 06:00:00"), std::string::npos)
        << text;
    EXPECT_NE(text.find("dataset: Line1"), std::string::npos) << text;
}

} // namespace
