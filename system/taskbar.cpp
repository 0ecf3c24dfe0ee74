#include "system/taskbar.h"

#include "framework/message_box.h"
#include "platform/desktop.h"

namespace zt::system {

void show_taskbar() noexcept
{
    const platform::DesktopCalls& desktop = platform::desktop_calls();
    const platform::WindowHandle taskbar = desktop.find_window("Shell_TrayWnd", nullptr);
    if (taskbar == nullptr) {
        framework::AfxMessageBox("ZtFunc32_71 - Couldn't find Windows TaskBar HWND!",
                                 framework::mb_ok, 0);
        return;
    }
    desktop.set_foreground_window(taskbar);
}

} // namespace zt::system
