// zthost's commands over the native build's simulated system and desktop, in a
// session against the built library (which shares them with this test).
#include "dynamic_library.h"
#include "platform/drivers/desktop_driver.h"
#include "platform/drivers/system_driver.h"
#include "script_runner.h"
#include "system_commands.h"
#include "test_environment.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

namespace driver = zt::platform::driver;

class ZthostSystem : public testing::Test {
  protected:
    void SetUp() override { zt::platform::system_driver::simulate(); }
    void TearDown() override
    {
        zt::platform::system_driver::simulate();
        for (const driver::WindowInfo& window : driver::windows()) {
            if (window.class_name == "Shell_TrayWnd") { // the one the session made
                driver::destroy_window(window.handle);
            }
        }
    }
    int run(const std::string& script)
    {
        std::istringstream in(script);
        zthost::ScriptRunner runner(library, out, err);
        zthost::add_system_commands(runner);
        return runner.run(in);
    }

    zthost::DynamicLibrary library{zt::test::library_path()};
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ZthostSystem, ShowsWhatTheSystemWasAskedAndSetsUpTheDesktop)
{
    ASSERT_TRUE(library.loaded()) << library.error();
    EXPECT_EQ(run(".platform 1\n"
                  "SystemIsNT();\n"
                  "ZtBeep32( 880, 100 );\n"
                  ".system\n"
                  "ZtShutDownWin95( 4 );\n"
                  "ZtShowWindowsTaskbar();\n"
                  ".system\n"
                  ".taskbar\n"
                  "ZtShowWindowsTaskbar();\n"
                  ".system\n"
                  ".platform NT\n"),
              1);
    EXPECT_EQ(out.str(), "    the system reports platform 1\n"
                         "SystemIsNT() -> 0\n"
                         "ZtBeep32( 880, 100 ) -> (no result)\n"
                         "    system: Beep 880 100\n"
                         "ZtShutDownWin95( 4 ) -> 0\n"
                         "ZtShowWindowsTaskbar() -> (no result)\n"
                         "    system: ExitWindowsEx 0xc 0\n"
                         "    message box \"ZtFunc32\" (style 0x30): \"ZtFunc32_71 - Couldn't find "
                         "Windows TaskBar HWND!\"\n"
                         "    a taskbar window is on the desktop\n"
                         "ZtShowWindowsTaskbar() -> (no result)\n"
                         "    foreground: window of class \"Shell_TrayWnd\"\n");
    EXPECT_EQ(err.str(), "line 11: .platform ID: a platform identifier (2 NT line, 1 Windows 95 "
                         "line)\n");
}

} // namespace
