// Shutdown, the process token and the system's version, straight from Win32.
#include "platform/system_control.h"

#include <windows.h>

#include <cstddef>

namespace zt::platform {
namespace {

static_assert(sizeof(OsVersionInfo) == sizeof(OSVERSIONINFOA));
static_assert(offsetof(OsVersionInfo, platform_id) == offsetof(OSVERSIONINFOA, dwPlatformId));
static_assert(offsetof(OsVersionInfo, service_pack) == offsetof(OSVERSIONINFOA, szCSDVersion));
static_assert(sizeof(Luid) == sizeof(LUID));
static_assert(token_adjust_privileges == TOKEN_ADJUST_PRIVILEGES && token_query == TOKEN_QUERY);
static_assert(privilege_enabled == SE_PRIVILEGE_ENABLED);
static_assert(exit_logoff == EWX_LOGOFF && exit_shutdown == EWX_SHUTDOWN &&
              exit_reboot == EWX_REBOOT && exit_force == EWX_FORCE &&
              exit_poweroff == EWX_POWEROFF);
static_assert(platform_windows_95 == VER_PLATFORM_WIN32_WINDOWS &&
              platform_windows_nt == VER_PLATFORM_WIN32_NT);

TokenHandle open_process_token(std::uint32_t access) noexcept
{
    HANDLE token = nullptr;
    return OpenProcessToken(GetCurrentProcess(), access, &token) ? token : nullptr;
}

bool lookup_privilege_value(const char* system, const char* name, Luid& luid) noexcept
{
    LUID found{};
    if (!LookupPrivilegeValueA(system, name, &found)) {
        return false;
    }
    luid = Luid{found.LowPart, found.HighPart};
    return true;
}

bool adjust_token_privileges(TokenHandle token, bool disable_all, const Luid& luid,
                             std::uint32_t attributes) noexcept
{
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Luid = LUID{luid.low_part, luid.high_part};
    privileges.Privileges[0].Attributes = attributes;
    return AdjustTokenPrivileges(token, disable_all ? TRUE : FALSE, &privileges, 0, nullptr,
                                 nullptr) != FALSE;
}

bool close_token(TokenHandle token) noexcept
{
    return CloseHandle(token) != FALSE;
}

bool exit_windows(std::uint32_t flags, std::uint32_t reason) noexcept
{
    return ExitWindowsEx(flags, reason) != FALSE;
}

bool get_version(OsVersionInfo& info) noexcept
{
    return GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != FALSE;
}

constexpr SystemControlCalls system_calls{
    open_process_token, lookup_privilege_value, adjust_token_privileges,
    close_token,        exit_windows,           get_version};

} // namespace

const SystemControlCalls& system_system_control_calls() noexcept
{
    return system_calls;
}

} // namespace zt::platform
