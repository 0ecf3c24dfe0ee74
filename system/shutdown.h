// Logging off, shutting down, restarting and powering off the system for a
// script: on the NT line with the shutdown privilege enabled first, on the
// Windows 95 line without privileges. Every action is forced.
#pragma once

#include <cstdint>
#include <optional>

namespace zt::system {

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

} // namespace zt::system
