// ZtShowWindowsTaskbar on the simulated desktop and on Wine's: it raises the
// taskbar window, or shows its one message box and returns.
#include "own_desktop.h"
#include "platform/desktop.h"
#include "platform/drivers/desktop_driver.h"
#include "suite_environment.h"
#include "test_desktop.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace driver = zt::platform::driver;

class Taskbar : public testing::Test {
  protected:
    void SetUp() override { zt::test::suite_log().take_new_messages(); }
    void TearDown() override
    {
        EXPECT_EQ(zt::test::suite_log().take_new_messages(), std::vector<std::string>{});
    }

    zt::test::OwnWindowsOnly own_windows;
    zt::test::TestDesktop desktop;
    zt::test::MessageBoxWatch message_boxes;
};

// What the taskbar export searched for: its class, and whether it named a
// title (the simulated desktop matches "" as well as none).
std::vector<std::string> searches;
decltype(zt::platform::DesktopCalls::find_window) searching = nullptr;
zt::platform::WindowHandle recording_find_window(const char* class_name, const char* title) noexcept
{
    searches.push_back(std::string(class_name) + (title == nullptr ? ", any title" : ", titled"));
    return searching(class_name, title);
}

TEST_F(Taskbar, RaisesTheTaskbarWindowAndShowsNothing)
{
    const auto taskbar = desktop.window("Shell_TrayWnd", "", nullptr, 0, 990, 1280, 34);
    desktop.main_window("Main");
    searches.clear();
    searching = zt::platform::desktop_calls().find_window; // this process's windows only
    zt::platform::desktop_calls().find_window = recording_find_window;
    ZtShowWindowsTaskbar();
    zt::platform::desktop_calls().find_window = searching;
    EXPECT_EQ(searches, std::vector<std::string>{"Shell_TrayWnd, any title"});
    EXPECT_EQ(driver::foreground_window(), taskbar);
    EXPECT_TRUE(message_boxes.take().empty());
}

TEST_F(Taskbar, WithoutOneShowsTheMessageBoxAndReturns)
{
    desktop.main_window("Main");
    ZtShowWindowsTaskbar();
    const std::vector<zt::test::ShownMessageBox> shown = message_boxes.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "ZtFunc32_71 - Couldn't find Windows TaskBar HWND!");
    EXPECT_EQ(shown[0].caption, "ZtFunc32"); // the library's module state names the box
    EXPECT_TRUE(shown[0].ok_button_only);
    EXPECT_TRUE(shown[0].exclamation_icon);
}

} // namespace
