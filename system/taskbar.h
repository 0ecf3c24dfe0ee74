// Bringing the Windows taskbar to the front.
#pragma once

namespace zt::system {

// Makes the top-level window of class "Shell_TrayWnd" the foreground window;
// without one, tells the user so in the framework's message box, the one
// failure of the library shown on the screen.
void show_taskbar() noexcept;

} // namespace zt::system
