// Local time from the C runtime's 64-bit conversion.
#include "platform/local_time.h"

#include <ctime>

namespace zt::platform {
namespace {

std::optional<LocalCalendarTime> local_calendar_time(std::int64_t seconds_since_1970) noexcept
{
    const __time64_t instant = seconds_since_1970;
    std::tm fields{};
    if (_localtime64_s(&fields, &instant) != 0) {
        return std::nullopt;
    }
    return LocalCalendarTime{fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
                             fields.tm_hour,        fields.tm_min,     fields.tm_sec};
}

std::int64_t current_time_seconds() noexcept
{
    return _time64(nullptr);
}

} // namespace

const LocalTimeCalls& system_local_time_calls() noexcept
{
    static constexpr LocalTimeCalls calls{current_time_seconds, local_calendar_time};
    return calls;
}

} // namespace zt::platform
