#include "system/system.h"

#include "frame/error_report.h"
#include "platform/system_control.h"

namespace zt::system {
namespace {

using platform::system_control_calls;

constexpr std::int32_t token_not_opened = 10;
constexpr std::int32_t system_refused = 1;

// Enables the shutdown privilege in `token`. Neither step is checked: the
// system's answer to the shutdown request tells whether it took.
void enable_shutdown_privilege(const platform::ProcessToken& token) noexcept
{
    platform::Luid privilege{};
    system_control_calls().lookup_privilege_value(nullptr, platform::shutdown_privilege, privilege);
    system_control_calls().adjust_token_privileges(token.handle(), false, privilege,
                                                   platform::privilege_enabled);
}

} // namespace

std::optional<std::uint32_t> exit_flags(std::int32_t code) noexcept
{
    switch (code) {
    case 1:
        return platform::exit_logoff | platform::exit_force;
    case 2:
        return platform::exit_shutdown | platform::exit_force;
    case 3:
        return platform::exit_reboot | platform::exit_force;
    case 4:
        return platform::exit_poweroff | platform::exit_force;
    default:
        return std::nullopt;
    }
}

std::int32_t shut_down_nt(std::int32_t code) noexcept
{
    const std::optional<std::uint32_t> flags = exit_flags(code);
    if (!flags) {
        return unknown_shutdown_code;
    }
    std::int32_t result = 0;
    {
        const platform::ProcessToken token(platform::token_adjust_privileges |
                                           platform::token_query);
        if (token.is_open()) {
            enable_shutdown_privilege(token);
        } else {
            result -= token_not_opened;
        }
    }
    if (!system_control_calls().exit_windows(*flags, 0)) {
        return result - system_refused;
    }
    frame::report("Shutting down Windows NT");
    return result;
}

std::int32_t shut_down_95(std::int32_t code) noexcept
{
    const std::optional<std::uint32_t> flags = exit_flags(code);
    if (!flags) {
        return unknown_shutdown_code;
    }
    if (!system_control_calls().exit_windows(*flags, 0)) {
        return -system_refused;
    }
    frame::report("Shutting down Windows 95");
    return 0;
}

} // namespace zt::system
