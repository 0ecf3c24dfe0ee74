// A module unloaded while one of its worker threads still runs stays loaded
// until the worker is done, and then goes: the tone workers of the library, and
// the mechanism under them, with work the test holds for as long as it likes.
#include "dynamic_library.h"
#include "platform/drivers/system_driver.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace driver = zt::platform::system_driver;
using BeepFn = void(ZT_CALLER*)(std::int32_t, std::int32_t);
using namespace std::chrono_literals;

bool unloaded_within(const std::string& path, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (zt::test::library_is_loaded(path)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// Work that waits, once it has begun, until the test opens the gate.
class Gate {
  public:
    static void pass(void* gate)
    {
        auto& self = *static_cast<Gate*>(gate);
        std::unique_lock lock(self.mutex_);
        self.entered_ = true;
        self.changed_.notify_all();
        self.changed_.wait(lock, [&self] { return self.open_; });
    }
    bool wait_until_entered()
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 10s, [this] { return entered_; });
    }
    void open()
    {
        const std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool entered_ = false;
    bool open_ = false;
};

TEST(WorkerThread, KeepsItsModuleLoadedUntilItHasRun)
{
#if defined(_WIN32)
    const std::string path = zt::test::bin_directory() + "worker_probe.dll";
#else
    const std::string path = zt::test::bin_directory() + "worker_probe.so";
#endif
    using StartFn = bool (*)(void (*)(void*), void*);
    std::optional<zthost::DynamicLibrary> probe(std::in_place, path);
    ASSERT_TRUE(probe->loaded()) << probe->error();
    const auto start = reinterpret_cast<StartFn>(probe->entry_point("start_probe_worker"));
    ASSERT_NE(start, nullptr);

    Gate gate;
    ASSERT_TRUE(start(Gate::pass, &gate));
    ASSERT_TRUE(gate.wait_until_entered());
    probe.reset();                                  // unloads it
    EXPECT_TRUE(zt::test::library_is_loaded(path)); // the worker's reference holds it
    gate.open();
    EXPECT_TRUE(unloaded_within(path, 10s));
}

TEST(ToneWorker, KeepsItsLibraryLoadedUntilTheToneHasEnded)
{
    zt::test::use_fresh_emulated_machine();
    const std::string path = zt::test::library_path();
    std::optional<zthost::DynamicLibrary> library(std::in_place, path);
    ASSERT_TRUE(library->loaded()) << library->error();
    const auto beep = reinterpret_cast<BeepFn>(library->entry_point("ZtBeep32"));
    ASSERT_NE(beep, nullptr);
#if defined(_WIN32)
    // The library's own Beep returns at once under Wine; its workers still run
    // as the host unloads it.
    for (int tone = 0; tone < 16; ++tone) {
        beep(440, 10);
    }
    library.reset();
#else
    // The loaded library shares the simulated system with this test, which
    // holds the tone until the library has been unloaded.
    driver::simulate();
    driver::hold_tones();
    beep(440, 1000);
    ASSERT_EQ(driver::take_calls(1, 10s), std::vector<std::string>{"Beep 440 1000"});
    library.reset();
    EXPECT_TRUE(zt::test::library_is_loaded(path));
    driver::end_tones();
    EXPECT_TRUE(driver::wait_for_workers(10s));
#endif
    EXPECT_TRUE(unloaded_within(path, 10s));
}

} // namespace
