// Control over what the library takes as "now" and as the local time zone,
// for the date-based file name tests.
#pragma once

#include "platform/local_time.h"
#include "test_environment.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>

namespace zt::test {

// Seconds since 1970 of a UTC calendar date and time of day.
inline std::int64_t utc_seconds(int year, unsigned month, unsigned day, int hour, int minute = 0)
{
    const std::chrono::sys_days date =
        std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day};
    return std::chrono::duration_cast<std::chrono::seconds>(date.time_since_epoch()).count() +
           hour * 3600 + minute * 60;
}

// The library's clock stands at `instant` for the life of the object.
class FixedNow {
  public:
    explicit FixedNow(std::int64_t instant)
    {
        fixed_instant() = instant;
        platform::local_time_calls().current_time_seconds = []() noexcept {
            return fixed_instant();
        };
    }
    FixedNow(const FixedNow&) = delete;
    FixedNow& operator=(const FixedNow&) = delete;
    ~FixedNow() { platform::local_time_calls() = platform::system_local_time_calls(); }

  private:
    static std::int64_t& fixed_instant()
    {
        static std::int64_t instant = 0;
        return instant;
    }
};

// Sets TZ for the life of the object ("" removes it), then restores it. The
// Windows C runtime reads TZ only in _tzset(), so that is called each time;
// natively the library looks at TZ on every conversion.
class TimeZoneSetting {
  public:
    explicit TimeZoneSetting(const std::string& tz) : old_(environment("TZ")) { apply(tz); }
    TimeZoneSetting(const TimeZoneSetting&) = delete;
    TimeZoneSetting& operator=(const TimeZoneSetting&) = delete;
    ~TimeZoneSetting() { apply(old_); }

  private:
    static void apply(const std::string& tz)
    {
        if (tz.empty()) {
            unset_environment("TZ");
        } else {
            set_environment("TZ", tz);
        }
#ifdef _WIN32
        _tzset();
#endif
    }

    std::string old_;
};

} // namespace zt::test
