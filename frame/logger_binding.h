// Binding of the optional debug logger "ZTDEBUG.DLL": found through the
// registry, loaded by path, at most once per process.
#pragma once

#include "ztdebug.h"

#include <array>

namespace zt::frame {

// The module name the library gives the logger.
inline constexpr const char* library_module_name = "ZtFunc32_71";

struct LoggerBinding {
    bool attempted = false; // set before the first attempt does anything else
    bool available = false; // all three entry points were found
    ztAppDebug_fn message_entry = nullptr;
    // 16 characters naming this library in the log, then "/" and the terminator.
    std::array<char, 18> module_tag{};
};

const LoggerBinding& logger_binding() noexcept;

// Binds the logger under `module_name` unless an attempt was already made in
// this process; an empty name makes the tag "UNKNOWN".
void bind_logger(const char* module_name) noexcept;

} // namespace zt::frame
