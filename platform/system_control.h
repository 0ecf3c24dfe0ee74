// Shutting the system down, the process token's privileges, and the version of
// the system.
// win32: OpenProcessToken(GetCurrentProcess(), ...), LookupPrivilegeValueA,
//        AdjustTokenPrivileges, CloseHandle, ExitWindowsEx, GetVersionExA.
// posix: the simulated system (platform/simulated/simulated_system.h), which
//        records every request and never acts on one.
//
// The calls go through a table that tests replace entry by entry; the library
// always calls through system_control_calls(). Under Wine the real
// ExitWindowsEx ignores the shutdown privilege and ends every process of the
// prefix, so no test may ever reach it: the tests put the simulated system in
// its place (platform/drivers/system_driver.h).
#pragma once

#include <cstdint>

namespace zt::platform {

using TokenHandle = void*; // HANDLE of an access token; null: none

// LUID: a locally unique identifier, here of a privilege.
struct Luid {
    std::uint32_t low_part;
    std::int32_t high_part;
};

// OSVERSIONINFOA, the ANSI layout GetVersionExA fills (148 bytes).
struct OsVersionInfo {
    std::uint32_t size; // set by the caller to sizeof(OsVersionInfo)
    std::uint32_t major_version;
    std::uint32_t minor_version;
    std::uint32_t build_number;
    std::uint32_t platform_id;
    char service_pack[128]; // szCSDVersion
};
static_assert(sizeof(OsVersionInfo) == 148);

inline constexpr std::uint32_t token_adjust_privileges = 0x20;           // TOKEN_ADJUST_PRIVILEGES
inline constexpr std::uint32_t token_query = 0x08;                       // TOKEN_QUERY
inline constexpr std::uint32_t privilege_enabled = 0x2;                  // SE_PRIVILEGE_ENABLED
inline constexpr const char* shutdown_privilege = "SeShutdownPrivilege"; // SE_SHUTDOWN_NAME

// ExitWindowsEx's flags.
inline constexpr std::uint32_t exit_logoff = 0x0;   // EWX_LOGOFF
inline constexpr std::uint32_t exit_shutdown = 0x1; // EWX_SHUTDOWN
inline constexpr std::uint32_t exit_reboot = 0x2;   // EWX_REBOOT
inline constexpr std::uint32_t exit_force = 0x4;    // EWX_FORCE
inline constexpr std::uint32_t exit_poweroff = 0x8; // EWX_POWEROFF

// The platform identifiers of OsVersionInfo.
inline constexpr std::uint32_t platform_win32s = 0;     // VER_PLATFORM_WIN32s
inline constexpr std::uint32_t platform_windows_95 = 1; // VER_PLATFORM_WIN32_WINDOWS
inline constexpr std::uint32_t platform_windows_nt = 2; // VER_PLATFORM_WIN32_NT

struct SystemControlCalls {
    // Opens the current process's access token with `access`; null on failure.
    TokenHandle (*open_process_token)(std::uint32_t access) noexcept;
    // The LUID of privilege `name` on `system` (null: the local system).
    bool (*lookup_privilege_value)(const char* system, const char* name, Luid& luid) noexcept;
    // AdjustTokenPrivileges with a list of the one privilege `luid` and its
    // `attributes`, without asking for the previous state; `disable_all`
    // disables every privilege of the token instead.
    bool (*adjust_token_privileges)(TokenHandle token, bool disable_all, const Luid& luid,
                                    std::uint32_t attributes) noexcept;
    bool (*close_token)(TokenHandle token) noexcept;
    // Starts logging off, shutting down, restarting or powering off; false when
    // the system refused. The system closes the process some time later.
    bool (*exit_windows)(std::uint32_t flags, std::uint32_t reason) noexcept;
    // Fills `info`, whose size field the caller has set; false on failure.
    bool (*get_version)(OsVersionInfo& info) noexcept;
};

const SystemControlCalls& system_system_control_calls() noexcept;
SystemControlCalls& system_control_calls() noexcept;

// An open access token, closed when the object goes.
class ProcessToken {
  public:
    explicit ProcessToken(std::uint32_t access) noexcept
        : handle_(system_control_calls().open_process_token(access))
    {
    }
    ~ProcessToken()
    {
        if (handle_ != nullptr) {
            system_control_calls().close_token(handle_);
        }
    }
    ProcessToken(const ProcessToken&) = delete;
    ProcessToken& operator=(const ProcessToken&) = delete;

    bool is_open() const noexcept { return handle_ != nullptr; }
    TokenHandle handle() const noexcept { return handle_; }

  private:
    TokenHandle handle_;
};

} // namespace zt::platform
