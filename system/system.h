// System control behind the exports: the line of Windows, shutdown, tones and
// the taskbar.
#pragma once

#include <cstdint>
#include <optional>

namespace zt::system {

// Which line of Windows the library runs on.

// 1 on the NT line, 0 on the Windows 95 line, -1 for any other platform or
// when the version cannot be read.
std::int32_t system_is_nt() noexcept;

// Logging off, shutting down, restarting and powering off the system for a
// script: on the NT line with the shutdown privilege enabled first, on the
// Windows 95 line without privileges. Every action is forced.

// Script codes 1 log off, 2 shut down, 3 restart, 4 power off.
inline constexpr std::int32_t unknown_shutdown_code = -2;

// The ExitWindowsEx flags of a script code (EWX_FORCE included); none for a
// code outside 1 to 4.
std::optional<std::uint32_t> exit_flags(std::int32_t code) noexcept;

// 0 started; -10 started although the process token could not be opened;
// -1 the token was opened but the system refused; -11 neither; -2 unknown code.
std::int32_t shut_down_nt(std::int32_t code) noexcept;

// 0 started; -1 the system refused; -2 unknown code.
std::int32_t shut_down_95(std::int32_t code) noexcept;

// Tones that do not hold up the script: each sounds on a worker thread of its
// own.

// Starts a tone of `frequency` hertz for `duration_ms` milliseconds and
// returns at once; both go to the system as they are. Off the NT line it
// first reports the two warnings and then tries all the same. A tone that
// cannot be started is not reported.
void beep(std::int32_t frequency, std::int32_t duration_ms) noexcept;

// Bringing the Windows taskbar to the front.

// Makes the top-level window of class "Shell_TrayWnd" the foreground window;
// without one, tells the user so in the framework's message box, the one
// failure of the library shown on the screen.
void show_taskbar() noexcept;

} // namespace zt::system
