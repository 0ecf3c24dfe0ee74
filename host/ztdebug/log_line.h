// One line of the debug log: local time stamp, module tag, expanded message.
#pragma once

#include <cstdarg>
#include <ctime>
#include <string>

namespace ztdebug {

// Expands `format` with `args` (printf rules) without any length limit.
std::string expand(const char* format, va_list args);

// "2026-12-08 15:34:00 ZtFunc32_71     /message\n"; line breaks inside the
// message become blanks so that one report stays one line.
std::string log_line(std::time_t when, const char* module_tag, const std::string& message);

} // namespace ztdebug
