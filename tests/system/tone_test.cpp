// ZtBeep32 against the simulated system's tones: the call returns while its
// tone still sounds, each call sounds its own tone, and off the NT line the two
// warnings come first.
#include "platform/drivers/system_driver.h"
#include "platform/system_control.h"
#include "platform/tone.h"
#include "suite_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace driver = zt::platform::system_driver;
using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

// Workers that start only when the test says so, on the test's thread; each
// remembers the reports made before it was started.
class HeldWorkers {
  public:
    explicit HeldWorkers(bool refuse = false)
        : replaced_(std::exchange(zt::platform::tone_calls().start_worker, start))
    {
        refusing = refuse;
    }
    ~HeldWorkers()
    {
        run_all();
        zt::platform::tone_calls().start_worker = replaced_;
    }
    HeldWorkers(const HeldWorkers&) = delete;
    HeldWorkers& operator=(const HeldWorkers&) = delete;

    void run_all()
    {
        for (const auto& [entry, argument] : std::exchange(held, {})) {
            entry(argument);
        }
    }

    static inline std::vector<Lines> reports_at_start;

  private:
    static bool start(zt::platform::WorkerEntry entry, void* argument) noexcept
    {
        if (refusing) {
            return false;
        }
        held.emplace_back(entry, argument);
        reports_at_start.push_back(zt::test::suite_log().take_new_messages());
        return true;
    }

    decltype(zt::platform::ToneCalls::start_worker) replaced_;
    static inline bool refusing = false;
    static inline std::vector<std::pair<zt::platform::WorkerEntry, void*>> held;
};

class Tone : public testing::Test {
  protected:
    void SetUp() override
    {
        driver::simulate();
        zt::test::suite_log().take_new_messages();
        HeldWorkers::reports_at_start.clear();
    }
    void TearDown() override
    {
        driver::end_tones();
        driver::simulate();
    }
    static Lines reports() { return zt::test::suite_log().take_new_messages(); }
};

TEST_F(Tone, ReturnsAtOnceWhileItsToneSoundsOnAWorker)
{
    driver::hold_tones();
    auto call = std::async(std::launch::async, [] { ZtBeep32(440, 1000); });
    const bool returned = call.wait_for(10s) == std::future_status::ready;
    const Lines tones = driver::take_calls(1, 10s); // the worker is inside Beep
    driver::end_tones();

    EXPECT_TRUE(returned) << "ZtBeep32 waited for its tone";
    EXPECT_EQ(tones, Lines{"Beep 440 1000"});
    EXPECT_EQ(reports(), Lines{});
}

TEST_F(Tone, OverlappingCallsEachSoundTheirOwnTone)
{
    HeldWorkers workers;
    ZtBeep32(440, 1000);
    ZtBeep32(880, 250); // before the first worker has read anything
    workers.run_all();
    EXPECT_EQ(driver::take_calls(), (Lines{"Beep 440 1000", "Beep 880 250"}));
}

TEST_F(Tone, OffTheNTLineTheTwoWarningsComeFirstAndTheToneIsTriedUnchanged)
{
    const Lines warnings = {
        "ZtBeep32 only works correctly with WinNT, though the function was called",
        "It probably didn't give the desired affect since you're running Win95"};
    const struct {
        const char* what;
        std::optional<std::uint32_t> platform; // none: the version cannot be read
        Lines reports;
    } cases[] = {
        {"NT line", zt::platform::platform_windows_nt, {}},
        {"Windows 95 line", zt::platform::platform_windows_95, warnings},
        {"unknown platform", 3, warnings},
        {"unreadable version", std::nullopt, warnings},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.what);
        driver::simulate();
        HeldWorkers::reports_at_start.clear();
        if (each.platform) {
            driver::set_platform(*each.platform);
        } else {
            driver::fail_version_reads();
        }
        HeldWorkers workers;
        ZtBeep32(20, 100);
        workers.run_all();
        EXPECT_EQ(HeldWorkers::reports_at_start, std::vector<Lines>{each.reports});
        EXPECT_EQ(driver::take_calls(), Lines{"Beep 20 100"});
    }
}

TEST_F(Tone, AToneWhoseWorkerCannotStartIsDroppedSilently)
{
    HeldWorkers refusing(true);
    ZtBeep32(440, 1000);
    EXPECT_EQ(driver::take_calls(), Lines{});
    EXPECT_EQ(reports(), Lines{});
}

} // namespace
