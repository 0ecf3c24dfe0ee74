// The current instant, and the local calendar time of an instant in the
// process's time zone.
// win32: the C runtime's 64-bit clock and conversion (_time64,
//        _localtime64_s), which follows the TZ variable when it is set and the
//        system's time zone otherwise.
// posix: time, and localtime_r after tzset(), so a change of TZ takes effect
//        at once.
//
// The calls go through a table that tests may replace entry by entry (to fix
// "now"); the library always calls through local_time_calls().
#pragma once

#include <cstdint>
#include <optional>

namespace zt::platform {

struct LocalCalendarTime {
    int year;   // full year, e.g. 2006
    int month;  // 1 to 12
    int day;    // 1 to 31
    int hour;   // 0 to 23
    int minute; // 0 to 59
    int second; // 0 to 60
};

struct LocalTimeCalls {
    // The current instant in seconds since 1970-01-01 00:00:00 UTC.
    std::int64_t (*current_time_seconds)() noexcept;
    // Empty when the runtime cannot convert the instant (it lies outside the
    // range the runtime supports, or the conversion fails).
    std::optional<LocalCalendarTime> (*local_calendar_time)(
        std::int64_t seconds_since_1970) noexcept;
};

const LocalTimeCalls& system_local_time_calls() noexcept;
LocalTimeCalls& local_time_calls() noexcept;

} // namespace zt::platform
