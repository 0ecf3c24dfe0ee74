// The shutdown exports and SystemIsNT against the simulated system (on every
// target: no test reaches the real ExitWindowsEx): the flags of each code, the
// token and privilege steps, results by subtraction, reports on success only.
#include "platform/drivers/system_driver.h"
#include "platform/system_control.h"
#include "suite_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace driver = zt::platform::system_driver;
using Lines = std::vector<std::string>;

constexpr std::uint32_t nt_line = zt::platform::platform_windows_nt;
constexpr std::uint32_t win95_line = zt::platform::platform_windows_95;

// The NT export's calls: token, privilege, the request, and the token closed.
Lines nt_calls(const std::string& exit_windows)
{
    return {"OpenProcessToken 0x28", "LookupPrivilegeValue SeShutdownPrivilege",
            "AdjustTokenPrivileges SeShutdownPrivilege 0x2", "CloseHandle token", exit_windows};
}

// ... when the process token cannot be opened.
Lines without_token(const std::string& exit_windows)
{
    return {"OpenProcessToken 0x28 refused", exit_windows};
}

enum class Export { nt, win95 };
enum class System { granting, without_token, refusing };

struct ShutdownCase {
    Export shut_down;
    std::uint32_t line;
    System system;
    std::int32_t code;
    std::int32_t result;
    Lines calls;
    bool reported;
};

constexpr Export nt = Export::nt;
constexpr Export win95 = Export::win95;
constexpr System granting = System::granting;
constexpr System no_token = System::without_token;
constexpr System refusing = System::refusing;

// The 95 export on the NT line lacks the privilege to shut down; without a
// token the NT export does too, and logging off needs none.
const ShutdownCase shutdown_cases[] = {
    {nt, nt_line, granting, 1, 0, nt_calls("ExitWindowsEx 0x4 0"), true},
    {nt, nt_line, granting, 2, 0, nt_calls("ExitWindowsEx 0x5 0"), true},
    {nt, nt_line, granting, 3, 0, nt_calls("ExitWindowsEx 0x6 0"), true},
    {nt, nt_line, granting, 4, 0, nt_calls("ExitWindowsEx 0xc 0"), true},
    {nt, nt_line, no_token, 1, -10, without_token("ExitWindowsEx 0x4 0"), true},
    {nt, nt_line, no_token, 2, -11, without_token("ExitWindowsEx 0x5 0 refused"), false},
    {nt, nt_line, refusing, 3, -1, nt_calls("ExitWindowsEx 0x6 0 refused"), false},
    {win95, win95_line, granting, 1, 0, {"ExitWindowsEx 0x4 0"}, true},
    {win95, win95_line, granting, 2, 0, {"ExitWindowsEx 0x5 0"}, true},
    {win95, win95_line, granting, 3, 0, {"ExitWindowsEx 0x6 0"}, true},
    {win95, win95_line, granting, 4, 0, {"ExitWindowsEx 0xc 0"}, true},
    {win95, win95_line, refusing, 4, -1, {"ExitWindowsEx 0xc 0 refused"}, false},
    {win95, nt_line, granting, 2, -1, {"ExitWindowsEx 0x5 0 refused"}, false},
    {win95, nt_line, granting, 1, 0, {"ExitWindowsEx 0x4 0"}, true},
};

class Shutdown : public testing::Test {
  protected:
    void SetUp() override
    {
        driver::simulate();
        zt::test::suite_log().take_new_messages();
    }
    void TearDown() override { driver::simulate(); }
    static Lines reports() { return zt::test::suite_log().take_new_messages(); }
};

TEST_F(Shutdown, MapsEachCodeToForcedFlagsAndReportsOnlyWhenStarted)
{
    for (const ShutdownCase& each : shutdown_cases) {
        const bool on_nt = each.shut_down == nt;
        SCOPED_TRACE(testing::Message() << (on_nt ? "ZtShutDownWinNT40(" : "ZtShutDownWin95(")
                                        << each.code << ") on platform " << each.line);
        driver::simulate();
        driver::set_platform(each.line);
        if (each.system == no_token) {
            driver::refuse_process_token();
        } else if (each.system == System::refusing) {
            driver::refuse_shutdown();
        }
        EXPECT_EQ(on_nt ? ZtShutDownWinNT40(each.code) : ZtShutDownWin95(each.code), each.result);
        EXPECT_EQ(driver::take_calls(), each.calls);
        const Lines report{on_nt ? "Shutting down Windows NT" : "Shutting down Windows 95"};
        EXPECT_EQ(reports(), each.reported ? report : Lines{});
    }
}

TEST_F(Shutdown, UnknownCodesReturnMinus2AndDoNothing)
{
    for (const std::int32_t code : {0, 5, -1, 12, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(ZtShutDownWinNT40(code), -2);
        EXPECT_EQ(ZtShutDownWin95(code), -2);
        EXPECT_EQ(driver::take_calls(), Lines{});
        EXPECT_EQ(reports(), Lines{});
    }
}

TEST_F(Shutdown, SystemIsNTTellsTheLineFromThePlatformIdentifier)
{
    const struct {
        const char* what;
        std::optional<std::uint32_t> platform; // none: the version cannot be read
        std::int32_t result;
    } cases[] = {
        {"NT line", nt_line, 1},     {"Windows 95 line", win95_line, 0}, {"Win32s", 0, -1},
        {"unknown platform", 3, -1}, {"unreadable", std::nullopt, -1},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.what);
        driver::simulate();
        if (each.platform) {
            driver::set_platform(*each.platform);
        } else {
            driver::fail_version_reads();
        }
        EXPECT_EQ(SystemIsNT(), each.result);
        EXPECT_EQ(driver::last_version_record_size(), 148u); // OSVERSIONINFOA
        EXPECT_EQ(reports(), Lines{});
    }
}

TEST_F(Shutdown, SystemIsNTIsOneOnThisSystem)
{
    // Under Wine this is the real version read.
    EXPECT_EQ(SystemIsNT(), 1);
}

} // namespace
