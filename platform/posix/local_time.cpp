// Local time from the C library, honouring the current TZ setting.
#include "platform/local_time.h"

#include <ctime>
#include <limits>

namespace zt::platform {
namespace {

std::optional<LocalCalendarTime> local_calendar_time(std::int64_t seconds_since_1970) noexcept
{
    if (seconds_since_1970 < std::numeric_limits<std::time_t>::min() ||
        seconds_since_1970 > std::numeric_limits<std::time_t>::max()) {
        return std::nullopt;
    }
    const std::time_t instant = static_cast<std::time_t>(seconds_since_1970);
    // localtime_r need not look at TZ again; tzset() makes a changed TZ count.
    tzset();
    std::tm fields{};
    if (localtime_r(&instant, &fields) == nullptr) {
        return std::nullopt;
    }
    // tm_year + 1900 fits in a long long whatever tm_year holds.
    const long long year = static_cast<long long>(fields.tm_year) + 1900;
    if (year > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return LocalCalendarTime{static_cast<int>(year), fields.tm_mon + 1, fields.tm_mday,
                             fields.tm_hour,         fields.tm_min,     fields.tm_sec};
}

std::int64_t current_time_seconds() noexcept
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

} // namespace

const LocalTimeCalls& system_local_time_calls() noexcept
{
    static constexpr LocalTimeCalls calls{current_time_seconds, local_calendar_time};
    return calls;
}

} // namespace zt::platform
