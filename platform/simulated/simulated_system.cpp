#include "platform/simulated/simulated_system.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace zt::platform::simulated {
namespace {

constexpr Luid shutdown_privilege_luid{19, 0}; // SE_SHUTDOWN_PRIVILEGE
constexpr std::uint32_t version_ex_size = 156; // OSVERSIONINFOEXA

std::string hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
}

bool is_shutdown_privilege(const Luid& luid)
{
    return luid.low_part == shutdown_privilege_luid.low_part &&
           luid.high_part == shutdown_privilege_luid.high_part;
}

std::uintptr_t token_id(TokenHandle token)
{
    return reinterpret_cast<std::uintptr_t>(token);
}

} // namespace

SimulatedSystem& SimulatedSystem::instance()
{
    static SimulatedSystem system;
    return system;
}

bool SimulatedSystem::get_version(OsVersionInfo& info)
{
    const std::lock_guard lock(mutex_);
    last_version_record_size_ = info.size;
    if (version_fails_ || (info.size != sizeof(OsVersionInfo) && info.size != version_ex_size)) {
        return false;
    }
    const bool nt_line = platform_id_ == platform_windows_nt;
    info.major_version = nt_line ? 6 : 4;
    info.minor_version = nt_line ? 1 : 0;
    info.build_number = nt_line ? 7601 : 950;
    info.platform_id = platform_id_;
    std::memset(info.service_pack, 0, sizeof info.service_pack);
    if (nt_line) {
        std::strcpy(info.service_pack, "Service Pack 1");
    }
    return true;
}

std::uint32_t SimulatedSystem::last_version_record_size()
{
    const std::lock_guard lock(mutex_);
    return last_version_record_size_;
}

TokenHandle SimulatedSystem::open_process_token(std::uint32_t access)
{
    const std::lock_guard lock(mutex_);
    if (token_refused_) {
        record("OpenProcessToken " + hex(access), false);
        return nullptr;
    }
    const std::uintptr_t token = next_token_ += 4;
    open_tokens_[token] = access;
    record("OpenProcessToken " + hex(access), true);
    return reinterpret_cast<TokenHandle>(token);
}

bool SimulatedSystem::lookup_privilege_value(const char* system, const char* name, Luid& luid)
{
    const std::lock_guard lock(mutex_);
    const std::string privilege = name != nullptr ? name : "(null)";
    const bool found = system == nullptr && privilege == shutdown_privilege;
    if (found) {
        luid = shutdown_privilege_luid;
    }
    record("LookupPrivilegeValue " + (system != nullptr ? std::string(system) + " " : "") +
               privilege,
           found);
    return found;
}

bool SimulatedSystem::adjust_token_privileges(TokenHandle token, bool disable_all, const Luid& luid,
                                              std::uint32_t attributes)
{
    const std::lock_guard lock(mutex_);
    const auto open = open_tokens_.find(token_id(token));
    const bool done = open != open_tokens_.end() && (open->second & token_adjust_privileges) != 0 &&
                      (disable_all || is_shutdown_privilege(luid));
    if (done) {
        shutdown_privilege_enabled_ = !disable_all && (attributes & privilege_enabled) != 0;
    }
    if (disable_all) {
        record("AdjustTokenPrivileges disable-all", done);
    } else {
        const std::string privilege =
            is_shutdown_privilege(luid)
                ? std::string(shutdown_privilege)
                : "luid " + std::to_string(luid.high_part) + ":" + std::to_string(luid.low_part);
        record("AdjustTokenPrivileges " + privilege + " " + hex(attributes), done);
    }
    return done;
}

bool SimulatedSystem::close_token(TokenHandle token)
{
    const std::lock_guard lock(mutex_);
    const bool done = open_tokens_.erase(token_id(token)) == 1;
    record("CloseHandle token", done);
    return done;
}

bool SimulatedSystem::exit_windows(std::uint32_t flags, std::uint32_t reason)
{
    const std::lock_guard lock(mutex_);
    const bool logging_off = (flags & (exit_shutdown | exit_reboot | exit_poweroff)) == 0;
    const bool privileged =
        platform_id_ != platform_windows_nt || logging_off || shutdown_privilege_enabled_;
    const bool done = !shutdown_refused_ && privileged;
    record("ExitWindowsEx " + hex(flags) + " " + std::to_string(reason), done);
    return done;
}

bool SimulatedSystem::beep(std::uint32_t frequency, std::uint32_t duration_ms)
{
    std::unique_lock lock(mutex_);
    record("Beep " + std::to_string(frequency) + " " + std::to_string(duration_ms), true);
    changed_.wait(lock, [this] { return !tones_held_; });
    return true;
}

void SimulatedSystem::reset()
{
    const std::lock_guard lock(mutex_);
    platform_id_ = platform_windows_nt;
    version_fails_ = token_refused_ = shutdown_refused_ = false;
    last_version_record_size_ = 0;
    shutdown_privilege_enabled_ = false;
    tones_held_ = false;
    open_tokens_.clear();
    calls_.clear();
    changed_.notify_all();
}

void SimulatedSystem::set_platform(std::uint32_t platform_id)
{
    const std::lock_guard lock(mutex_);
    platform_id_ = platform_id;
    version_fails_ = false;
}

void SimulatedSystem::fail_version_reads()
{
    const std::lock_guard lock(mutex_);
    version_fails_ = true;
}

void SimulatedSystem::refuse_process_token()
{
    const std::lock_guard lock(mutex_);
    token_refused_ = true;
}

void SimulatedSystem::refuse_shutdown()
{
    const std::lock_guard lock(mutex_);
    shutdown_refused_ = true;
}

void SimulatedSystem::hold_tones()
{
    const std::lock_guard lock(mutex_);
    tones_held_ = true;
}

void SimulatedSystem::end_tones()
{
    const std::lock_guard lock(mutex_);
    tones_held_ = false;
    changed_.notify_all();
}

std::vector<std::string> SimulatedSystem::take_calls(std::size_t count,
                                                     std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [this, count] { return calls_.size() >= count; });
    return std::exchange(calls_, {});
}

void SimulatedSystem::record(std::string call, bool done)
{
    calls_.push_back(done ? std::move(call) : std::move(call) + " refused");
    changed_.notify_all();
}

// The seam's entry points: a simulation that runs out of memory fails the call.

bool get_version(OsVersionInfo& info) noexcept
{
    try {
        return SimulatedSystem::instance().get_version(info);
    } catch (...) {
        return false;
    }
}

TokenHandle open_process_token(std::uint32_t access) noexcept
{
    try {
        return SimulatedSystem::instance().open_process_token(access);
    } catch (...) {
        return nullptr;
    }
}

bool lookup_privilege_value(const char* system, const char* name, Luid& luid) noexcept
{
    try {
        return SimulatedSystem::instance().lookup_privilege_value(system, name, luid);
    } catch (...) {
        return false;
    }
}

bool adjust_token_privileges(TokenHandle token, bool disable_all, const Luid& luid,
                             std::uint32_t attributes) noexcept
{
    try {
        return SimulatedSystem::instance().adjust_token_privileges(token, disable_all, luid,
                                                                   attributes);
    } catch (...) {
        return false;
    }
}

bool close_token(TokenHandle token) noexcept
{
    try {
        return SimulatedSystem::instance().close_token(token);
    } catch (...) {
        return false;
    }
}

bool exit_windows(std::uint32_t flags, std::uint32_t reason) noexcept
{
    try {
        return SimulatedSystem::instance().exit_windows(flags, reason);
    } catch (...) {
        return false;
    }
}

bool beep(std::uint32_t frequency, std::uint32_t duration_ms) noexcept
{
    try {
        return SimulatedSystem::instance().beep(frequency, duration_ms);
    } catch (...) {
        return false;
    }
}

} // namespace zt::platform::simulated
