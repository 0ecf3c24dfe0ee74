#include "system/system.h"

#include "mfc/afxwin.h"
#include "platform/desktop.h"

namespace zt::system {

void show_taskbar() noexcept
{
    const platform::DesktopCalls& desktop = platform::desktop_calls();
    const platform::WindowHandle taskbar = desktop.find_window("Shell_TrayWnd", nullptr);
    if (taskbar == nullptr) {
        mfc::AfxMessageBox("ZtFunc32_71 - Couldn't find Windows TaskBar HWND!", mfc::mb_ok, 0);
        return;
    }
    desktop.set_foreground_window(taskbar);
}

} // namespace zt::system
