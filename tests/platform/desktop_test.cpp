// The desktop seam and its driver: windows, titles, coordinates, mouse hooks
// and pointer moves, on the simulated desktop natively and on Wine's.
#include "platform/desktop.h"
#include "platform/drivers/desktop_driver.h"
#include "test_desktop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using zt::platform::desktop_calls;
using zt::platform::HookArgument;
using zt::platform::HookHandle;
using zt::platform::HookMessage;
using zt::platform::HookResult;
using zt::platform::MouseHookRecord;
using zt::platform::Point;
using zt::platform::WindowHandle;
namespace driver = zt::platform::driver;

// What the recording hooks saw, and in which order they were called.
struct SeenMessage {
    int hook;
    WindowHandle window;
    Point pt;
};
std::vector<SeenMessage> seen;
HookHandle first_hook = nullptr;
HookHandle second_hook = nullptr;

HookResult ZT_SYSTEM_CALLBACK first_recorder(int code, HookMessage message, HookArgument record)
{
    const auto* mouse = reinterpret_cast<const MouseHookRecord*>(record);
    if (code >= 0) {
        seen.push_back(SeenMessage{1, mouse->hwnd, mouse->pt});
    }
    return desktop_calls().call_next_hook(first_hook, code, message, record);
}

HookResult ZT_SYSTEM_CALLBACK second_recorder(int code, HookMessage message, HookArgument record)
{
    const auto* mouse = reinterpret_cast<const MouseHookRecord*>(record);
    if (code >= 0) {
        seen.push_back(SeenMessage{2, mouse->hwnd, mouse->pt});
    }
    return desktop_calls().call_next_hook(second_hook, code, message, record);
}

// Windows at fixed places: Main (100,100)-(500,400) with the child Panel at
// (50,40) in Main's client area, 200 x 100.
class Desktop : public testing::Test {
  protected:
    void SetUp() override
    {
        main = desktop.main_window("Main");
        panel = desktop.window("ZtTestPanel", "Panel", main, 50, 40, 200, 100);
        zt::test::TestDesktop::point_at(5, 5); // over no window
        seen.clear();
    }
    void TearDown() override
    {
        for (HookHandle* hook : {&second_hook, &first_hook}) {
            if (*hook != nullptr) {
                desktop_calls().remove_hook(*hook);
                *hook = nullptr;
            }
        }
    }

    zt::test::TestDesktop desktop;
    WindowHandle main = nullptr;
    WindowHandle panel = nullptr;
};

TEST_F(Desktop, WindowsHaveClassTitleParentThreadAndClientOrigin)
{
    const auto& calls = desktop_calls();
    EXPECT_EQ(calls.find_window("SCENEHALL", nullptr), main);
    EXPECT_EQ(calls.find_window("Scenehall", "Main"), main);
    EXPECT_EQ(calls.find_window("ZtTestPanel", nullptr), nullptr); // children are not top-level
    EXPECT_EQ(calls.find_window("NoSuchClass", nullptr), nullptr);

    EXPECT_EQ(calls.window_thread(main), driver::current_thread());
    EXPECT_EQ(calls.window_thread(panel), driver::current_thread());
    EXPECT_EQ(calls.parent_window(panel), main);
    EXPECT_EQ(calls.parent_window(main), nullptr);

    Point point{160, 150};
    ASSERT_TRUE(calls.screen_to_client(panel, point));
    EXPECT_EQ(point.x, 10);
    EXPECT_EQ(point.y, 10);
    point = Point{160, 150};
    ASSERT_TRUE(calls.screen_to_client(main, point));
    EXPECT_EQ(point.x, 60);
    EXPECT_EQ(point.y, 50);

    char title[8] = "xxxxxxx";
    EXPECT_EQ(calls.window_text(panel, title, 4), 3);
    EXPECT_STREQ(title, "Pan"); // cut to the buffer, terminated
    ASSERT_TRUE(driver::set_window_title(panel, "Other"));
    EXPECT_EQ(calls.window_text(panel, title, sizeof title), 5);
    EXPECT_STREQ(title, "Other");

    const auto listed = driver::windows();
    ASSERT_GE(listed.size(), 2u);
    const driver::WindowInfo& child = listed.back();
    EXPECT_EQ(child.handle, panel);
    EXPECT_EQ(child.parent, main);
    EXPECT_EQ(child.class_name, "ZtTestPanel");
    EXPECT_EQ(child.title, "Other");
    EXPECT_EQ(child.client.left, 150);
    EXPECT_EQ(child.client.top, 140);
    EXPECT_EQ(child.client.right, 350);
    EXPECT_EQ(child.client.bottom, 240);
}

TEST_F(Desktop, PointerMovesReachTheThreadsHooksNewestFirstThroughTheChain)
{
    const auto& calls = desktop_calls();
    first_hook = calls.install_mouse_hook(first_recorder, driver::current_thread());
    second_hook = calls.install_mouse_hook(second_recorder, driver::current_thread());
    ASSERT_NE(first_hook, nullptr);
    ASSERT_NE(second_hook, nullptr);

    zt::test::TestDesktop::point_at(160, 150); // over Panel
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[0].hook, 2); // the newest hook first, then the one it passed on to
    EXPECT_EQ(seen[1].hook, 1);
    EXPECT_EQ(seen[0].window, panel);
    EXPECT_EQ(seen[0].pt.x, 160);
    EXPECT_EQ(seen[0].pt.y, 150);

    seen.clear();
    zt::test::TestDesktop::point_at(120, 110); // over Main only
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().window, main);
    EXPECT_EQ(seen.back().pt.x, 120);
    EXPECT_EQ(driver::pointer_position().x, 120);
    EXPECT_EQ(driver::pointer_position().y, 110);

    ASSERT_TRUE(calls.remove_hook(second_hook));
    EXPECT_FALSE(calls.remove_hook(second_hook));
    EXPECT_EQ(calls.last_error(), zt::platform::error_invalid_hook_handle);
    second_hook = nullptr;
    seen.clear();
    zt::test::TestDesktop::point_at(130, 110);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().hook, 1);
}

TEST_F(Desktop, HooksNeedAThreadAndSeeOnlyTheirThreadsWindows)
{
    const auto& calls = desktop_calls();
    EXPECT_EQ(calls.install_mouse_hook(first_recorder, 0), nullptr);
    EXPECT_EQ(calls.last_error(), zt::platform::error_hook_needs_module);

    // A window of another thread, beside Main, with that thread pumping.
    std::mutex mutex;
    std::condition_variable changed;
    WindowHandle foreign = nullptr;
    std::atomic<bool> done{false};
    std::thread other([&] {
        zt::test::TestDesktop own;
        {
            const std::lock_guard lock(mutex);
            foreign = own.window("ZtTestForeign", "Foreign", nullptr, 600, 100, 200, 200);
        }
        changed.notify_all();
        while (!done) {
            driver::pump_messages();
        }
    });
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return foreign != nullptr; });
    }
    EXPECT_NE(calls.window_thread(foreign), driver::current_thread());
    EXPECT_FALSE(driver::destroy_window(foreign)); // only its own thread destroys it

    first_hook = calls.install_mouse_hook(first_recorder, driver::current_thread());
    ASSERT_NE(first_hook, nullptr);
    zt::test::TestDesktop::point_at(700, 200);
    EXPECT_TRUE(seen.empty());
    zt::test::TestDesktop::point_at(120, 110);
    EXPECT_FALSE(seen.empty());
    done = true;
    other.join();
}

} // namespace
