// Binding of the optional debug logger "ZTDEBUG.DLL": found through the
// registry, loaded by path, at most once per process.
#pragma once

#include "ztdebug.h"

#include <array>
#include <atomic>

namespace zt::frame {

// The module name the library gives the logger.
inline constexpr const char* library_module_name = "ZtFunc32_71";

// Shared by every thread that reports. The one thread whose attempt sets
// `attempted` writes the entry point and the module tag, then sets `available`
// (release); a thread that finds `available` set (acquire) sees both complete,
// and one that does not drops its report.
struct LoggerBinding {
    std::atomic<bool> attempted{false}; // set before the first attempt does anything else
    std::atomic<bool> available{false}; // all three entry points were found
    ztAppDebug_fn message_entry = nullptr;
    // 16 characters naming this library in the log, then "/" and the terminator.
    std::array<char, 18> module_tag{};
};

const LoggerBinding& logger_binding() noexcept;

// Binds the logger under `module_name` unless an attempt was already made in
// this process; an empty name makes the tag "UNKNOWN".
void bind_logger(const char* module_name) noexcept;

} // namespace zt::frame
