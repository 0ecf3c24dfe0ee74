// The simulated system: the shutdown, token, version and tone calls of
// Windows, reduced to what the library observes, recorded and never acted on.
// One per process. Natively it is the system (in libztsystem.so, shared by the
// library and whoever drives it through platform/drivers/system_driver.h); on Windows
// the tests put it in place of the real calls, so that no test ever shuts
// Wine's prefix down.
//
// Windows' rules, reduced:
// - The version is the NT line's (6.1, build 7601, "Service Pack 1", what Wine
//   reports by default) until the driver sets another platform identifier
//   (the Windows 95 line reads 4.0, build 950). A read fails when the driver
//   says so, or when the size field is neither 148 (OSVERSIONINFOA) nor 156
//   (OSVERSIONINFOEXA).
// - The process token opens unless the driver refuses it; every open gives a
//   new handle, which close_token takes back once.
// - The one privilege known is "SeShutdownPrivilege" (LUID 19), on the local
//   system only. It is disabled until an adjustment through a token opened
//   with TOKEN_ADJUST_PRIVILEGES enables it; then it stays enabled for the
//   process.
// - ExitWindowsEx on the NT line needs the shutdown privilege for anything but
//   logging off; the Windows 95 line has no privileges. The driver can make it
//   refuse every request.
// - Beep returns at once, as Wine's does, unless the driver holds tones: then
//   it blocks until the driver releases them.
// - Every call but the version read is recorded as one line, with " refused"
//   added when it failed:
//     OpenProcessToken 0x28
//     LookupPrivilegeValue SeShutdownPrivilege      (a system name comes first)
//     AdjustTokenPrivileges SeShutdownPrivilege 0x2 (or "disable-all")
//     CloseHandle token
//     ExitWindowsEx 0x5 0
//     Beep 440 1000
#pragma once

#include "platform/system_control.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace zt::platform::simulated {

class SimulatedSystem {
  public:
    static SimulatedSystem& instance();

    // The calls of the seam.
    bool get_version(OsVersionInfo& info);
    TokenHandle open_process_token(std::uint32_t access);
    bool lookup_privilege_value(const char* system, const char* name, Luid& luid);
    bool adjust_token_privileges(TokenHandle token, bool disable_all, const Luid& luid,
                                 std::uint32_t attributes);
    bool close_token(TokenHandle token);
    bool exit_windows(std::uint32_t flags, std::uint32_t reason);
    bool beep(std::uint32_t frequency, std::uint32_t duration_ms);

    // The driver's side.
    void reset();
    void set_platform(std::uint32_t platform_id);
    void fail_version_reads();
    void refuse_process_token();
    void refuse_shutdown();
    void hold_tones();
    void end_tones();
    // The calls recorded since the last take, once at least `count` are there
    // or `timeout` has passed.
    std::vector<std::string> take_calls(std::size_t count, std::chrono::milliseconds timeout);
    // The size field of the version record of the latest version read; 0
    // before any.
    std::uint32_t last_version_record_size();

  private:
    void record(std::string call, bool done); // with the mutex held

    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint32_t platform_id_ = platform_windows_nt;
    bool version_fails_ = false;
    std::uint32_t last_version_record_size_ = 0;
    bool token_refused_ = false;
    bool shutdown_refused_ = false;
    bool shutdown_privilege_enabled_ = false;
    bool tones_held_ = false;
    std::uintptr_t next_token_ = 0x7000;
    std::map<std::uintptr_t, std::uint32_t> open_tokens_; // handle: access
    std::vector<std::string> calls_;
};

// The calls of the seam, in its table's shapes.
bool get_version(OsVersionInfo& info) noexcept;
TokenHandle open_process_token(std::uint32_t access) noexcept;
bool lookup_privilege_value(const char* system, const char* name, Luid& luid) noexcept;
bool adjust_token_privileges(TokenHandle token, bool disable_all, const Luid& luid,
                             std::uint32_t attributes) noexcept;
bool close_token(TokenHandle token) noexcept;
bool exit_windows(std::uint32_t flags, std::uint32_t reason) noexcept;
bool beep(std::uint32_t frequency, std::uint32_t duration_ms) noexcept;

} // namespace zt::platform::simulated
