// Registration and release on a script thread while the host's UI thread
// moves the pointer over the hotspots: the lock keeps them apart, the hook
// never waits, and every tag write is one a hotspot could make. Run by the
// thread sanitizer build as well, which must find nothing.
#include "library/application.h"
#include "tag_events.h"
#include "tag_site.h"
#include "test_desktop.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

using Texts = std::vector<std::string>;

// The host's UI thread: owns the main window and moves the pointer back and
// forth across it, through both hotspots and out, until told to stop.
class HostThread {
  public:
    HostThread() : thread_([this] { run(); })
    {
        std::unique_lock lock(mutex_);
        window_made_.wait(lock, [this] { return made_; });
    }
    ~HostThread()
    {
        stop_ = true;
        thread_.join();
    }
    int moves() const { return moves_; }

  private:
    void run()
    {
        zt::test::TestDesktop desktop;
        desktop.main_window("Main", 100, 100, 400, 300);
        {
            const std::lock_guard lock(mutex_);
            made_ = true;
        }
        window_made_.notify_all();
        for (int step = 0; !stop_; ++step) {
            zt::test::TestDesktop::point_at(105 + (step % 30) * 10, 120 + step % 2);
            ++moves_;
        }
    }

    std::mutex mutex_;
    std::condition_variable window_made_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<int> moves_{0};
    std::thread thread_;
};

TEST(HotspotThreads, RegistrationAndReleaseRunWhileTheHostThreadMovesThePointer)
{
    zt::test::use_fresh_emulated_machine();
    zt::test::TagSite site("Msg1 message 1 \"\"\nMsg2 message 2 \"\"\n");
    zt::test::TagEvents events(site.journal);
    {
        HostThread host;
        for (int round = 0; round < 40 || host.moves() < 60; ++round) {
            ASSERT_EQ(ZtCntx32("Main", 0, 0, 100, 50, "Msg1", "A"), 1);
            ASSERT_EQ(ZtCntx32("main", 100, 0, 100, 50, "Msg2", "B"), 1);
            ASSERT_EQ(ZtCntx32("MAIN", 150, 0, 100, 50, "Msg1", "C"), 1);
            // With the lock free, the host moves the pointer over the
            // hotspots a few times (at 25 of its 30 places it is inside one),
            // so the hook writes whatever the scheduler does.
            const int moves_before = host.moves();
            while (host.moves() < moves_before + 3) {
                std::this_thread::yield();
            }
            ZtCntx32Cleanup();
        }
    }
    ZtCntx32Cleanup();
    const Texts allowed{"init",           "activate Msg1", "activate Msg2", "give back Msg1",
                        "give back Msg2", "shutdown",      "Msg1 = A",      "Msg1 = ",
                        "Msg2 = B",       "Msg2 = ",       "Msg1 = C"};
    int writes = 0;
    for (const std::string& event : events.take()) {
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), event), allowed.end()) << event;
        writes += event.find(" = ") != std::string::npos ? 1 : 0;
    }
    EXPECT_GT(writes, 0);
}

} // namespace
