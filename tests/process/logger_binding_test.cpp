// Binding of the debug logger. The binding is made once per process, so every
// test here runs in a process of its own (one CTest test per case).
#include "frame/error_report.h"
#include "frame/logger_binding.h"
#include "hotspots/hotspots.h"
#include "logger_log.h"
#include "tag_site.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using zt::test::LogEntry;
using zt::test::LoggerLog;

#if defined(_WIN32)
constexpr const char* logger_file = "\\ZTDEBUG.DLL";
#else
constexpr const char* logger_file = "/libztdebug.so";
#endif

class LoggerBindingTest : public testing::Test {
  protected:
    void SetUp() override
    {
        zt::test::use_fresh_emulated_machine();
        zt::test::remove_logger_key_from_registry();
    }
    void TearDown() override { zt::test::remove_logger_key_from_registry(); }

    LoggerLog log;
};

TEST_F(LoggerBindingTest, BoundByDllInitReportsCarryTheLibrarysName)
{
    zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
    ZtDllInit();
    EXPECT_EQ(zt::frame::report("ConvertTemp: FromUnit %s", "not defined"), 1);

    const auto entries = log.take_new_entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].module_tag, "ZtFunc32_71     /");
    EXPECT_EQ(entries[0].message, "ConvertTemp: FromUnit not defined");
}

TEST_F(LoggerBindingTest, ReportBeforeAnyBindingNamesTheLibraryUnknownForGood)
{
    zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
    zt::frame::report("first");
    ZtDllInit();
    ZtDllInit();
    zt::frame::report("second %d", 2);

    const auto entries = log.take_new_entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].module_tag, "UNKNOWN         /");
    EXPECT_EQ(entries[1].module_tag, "UNKNOWN         /");
    EXPECT_EQ(entries[1].message, "second 2");
}

TEST_F(LoggerBindingTest, DirectoryWithTrailingBackslashLeadsToTheSameLogger)
{
    // Natively the "\\" becomes "/" when the path is mapped.
    zt::test::set_logger_directory_in_registry(zt::test::logger_directory() + "\\");
    ZtDllInit();
    EXPECT_EQ(zt::frame::report("reached"), 1);
    EXPECT_EQ(log.take_new_messages(), std::vector<std::string>{"reached"});
}

TEST_F(LoggerBindingTest, LoggerWithoutAllEntryPointsIsLoadedButNeverCalled)
{
    zt::test::set_logger_directory_in_registry(zt::test::incomplete_logger_directory());
    ZtDllInit();

    EXPECT_TRUE(zt::test::library_is_loaded(zt::test::incomplete_logger_directory() + logger_file));
    EXPECT_FALSE(zt::frame::logger_binding().available);
    EXPECT_EQ(zt::frame::report("dropped"), 0);
    EXPECT_TRUE(log.take_new_entries().empty());
}

TEST_F(LoggerBindingTest, WithoutALoggerReportsAreDropped)
{
    EXPECT_EQ(zt::frame::report("dropped"), 0);
    ZtDllInit();
    EXPECT_EQ(zt::frame::report("dropped too"), 0);
    EXPECT_TRUE(zt::frame::logger_binding().attempted);
    EXPECT_TRUE(log.take_new_entries().empty());
}

TEST_F(LoggerBindingTest, SecondBindingNeverLooksAtTheRegistryAgain)
{
    ZtDllInit();
    zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
    ZtDllInit();
    EXPECT_EQ(zt::frame::report("dropped"), 0);
    EXPECT_FALSE(zt::test::library_is_loaded(zt::test::logger_directory() + logger_file));
}

TEST_F(LoggerBindingTest, DirectoryTooLongForThePathIsTreatedAsMissing)
{
    // 245 characters, the separator and "ZTDEBUG.DLL" need 258 bytes with the terminator.
    zt::test::set_logger_directory_in_registry(std::string(245, 'x'));
    ZtDllInit();
    EXPECT_TRUE(zt::frame::logger_binding().attempted);
    EXPECT_EQ(zt::frame::report("dropped"), 0);
}

TEST_F(LoggerBindingTest, LongModuleNameKeepsItsFirstSixteenCharacters)
{
    zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
    zt::frame::bind_logger("ABCDEFGHIJKLMNOPQRST");
    zt::frame::report("x");
    const auto entries = log.take_new_entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].module_tag, "ABCDEFGHIJKLMNOP/");
}

// Whoever binds first names the library for the life of the process: ZtDllInit
// here, or a report that comes before it. Every other thread sees the binding
// complete (a whole tag, the entry point) or drops its report.
TEST_F(LoggerBindingTest, BindingOnOneThreadWhileOthersReportGivesWholeReportsOrNone)
{
    zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
    constexpr int reports_per_thread = 200;
    std::atomic<bool> start{false};
    std::atomic<int> delivered{0};
    std::vector<std::thread> reporters;
    for (int t = 0; t < 3; ++t) {
        reporters.emplace_back([&] {
            while (!start.load()) {
            }
            for (int i = 0; i < reports_per_thread; ++i) {
                delivered += zt::frame::report("report %d", i);
            }
        });
    }
    start = true;
    ZtDllInit();
    for (std::thread& reporter : reporters) {
        reporter.join();
    }

    EXPECT_EQ(zt::frame::report("after"), 1);
    const auto entries = log.take_new_entries();
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(delivered) + 1);
    const std::string tag = entries.front().module_tag;
    EXPECT_TRUE(tag == "ZtFunc32_71     /" || tag == "UNKNOWN         /") << tag;
    for (const LogEntry& entry : entries) {
        EXPECT_EQ(entry.module_tag, tag);
        EXPECT_TRUE(entry.message.starts_with("report ") || entry.message == "after")
            << entry.message;
    }
}

TEST_F(LoggerBindingTest, ExceptionTextIsLoggedAsItStandsEvenWithPercentSigns)
{
    zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
    ZtDllInit();
    zt::frame::report_exception(std::runtime_error("100% done %s %n %d"));
    EXPECT_EQ(log.take_new_messages(), std::vector<std::string>{"100% done %s %n %d"});
}

// TagExists, SetTagEU and the hook bind the logger first thing, under the
// library's name; GetDiscOnMsg does not, so the first report after it binds as
// UNKNOWN.
class FirstTagCall : public LoggerBindingTest {
  protected:
    // The module tag of a report made right after `call`, the process's first call.
    std::string module_tag_after(void (*call)())
    {
        zt::test::TagSite site;
        zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
        call();
        zt::frame::report("after the tag call");
        const auto entries = log.take_new_entries();
        return entries.size() == 1 ? entries[0].module_tag
                                   : "(" + std::to_string(entries.size()) + " reports)";
    }
};

TEST_F(FirstTagCall, TagExistsBindsTheLoggerUnderTheLibrarysName)
{
    EXPECT_EQ(module_tag_after([] { EXPECT_EQ(TagExists("Flow"), 3); }), "ZtFunc32_71     /");
}

TEST_F(FirstTagCall, SetTagEUBindsTheLoggerUnderTheLibrarysName)
{
    EXPECT_EQ(module_tag_after([] { EXPECT_EQ(SetTagEU("Flow", "kg/h"), 0); }),
              "ZtFunc32_71     /");
}

TEST_F(FirstTagCall, AHookMessageBindsTheLoggerUnderTheLibrarysName)
{
    // Even one the hook passes straight on.
    EXPECT_EQ(module_tag_after([] {
                  zt::hotspots::mouse_hook_procedure(-1, zt::platform::mouse_move_message, 0);
              }),
              "ZtFunc32_71     /");
}

TEST_F(FirstTagCall, GetDiscOnMsgLeavesTheBindingToTheNextReport)
{
    EXPECT_EQ(module_tag_after([] { EXPECT_STREQ(GetDiscOnMsg("Pump1"), "Pump running"); }),
              "UNKNOWN         /");
}

} // namespace
