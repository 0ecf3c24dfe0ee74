#include "numeric/date_filename.h"

#include "frame/error_report.h"
#include "numeric/clock.h"
#include "numeric/shared_result_buffer.h"
#include "platform/local_time.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace zt::numeric {
namespace {

constexpr std::size_t longest_looked_at_format = 3;
constexpr std::int64_t seconds_per_day = 86400;

std::string_view text_or_empty(const char* text)
{
    return text != nullptr ? std::string_view(text) : std::string_view();
}

char ascii_lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Writes a non-negative number in decimal; a one-digit number gets a leading
// "0", wider numbers stay as they are. Not std::to_string: its digit table is a
// GNU-unique symbol, which would keep the native shared object from unloading.
void append_padded(std::string& out, int number)
{
    char reversed[10];
    std::size_t count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0 && count < sizeof reversed);
    if (count == 1) {
        out += '0';
    }
    while (count > 0) {
        out += reversed[--count];
    }
}

// The local date of `instant`, if it has one with a four-digit year.
std::optional<platform::LocalCalendarTime> four_digit_year_date(std::int64_t instant)
{
    const auto local = platform::local_calendar_time(instant);
    if (!local || local->year < 1000 || local->year > 9999) {
        return std::nullopt;
    }
    return local;
}

// now + days, or nothing when that leaves the 64-bit range of seconds.
std::optional<std::int64_t> shifted_instant(std::int64_t now, std::int32_t days)
{
    const std::int64_t shift = days * seconds_per_day; // at most about 1.9e14
    if ((shift > 0 && now > std::numeric_limits<std::int64_t>::max() - shift) ||
        (shift < 0 && now < std::numeric_limits<std::int64_t>::min() - shift)) {
        return std::nullopt;
    }
    return now + shift;
}

void report_missing_date()
{
    frame::report("CreatFilenameFromDate: No local date with a four-digit year for this DayOffset");
}

// The date part for `format`: only formats of 1 to 3 characters are looked at
// (case-insensitively), other lengths give "" without a report. Each character
// other than d, m, y is reported and skipped. When there is no instant, or it
// has no local date with a four-digit year, the date letters give nothing and
// that is reported once.
std::string date_part(std::string_view format, std::optional<std::int64_t> instant)
{
    std::string out;
    if (format.empty() || format.size() > longest_looked_at_format) {
        return out;
    }
    // The instant is converted once, when the first date letter needs it.
    bool converted = false;
    std::optional<platform::LocalCalendarTime> date;
    for (const char letter : format) {
        const char lower = ascii_lower(letter);
        if (lower != 'd' && lower != 'm' && lower != 'y') {
            frame::report("CreatFilenameFromDate: Unknown char in format string");
            continue;
        }
        if (!converted) {
            converted = true;
            date = instant ? four_digit_year_date(*instant) : std::nullopt;
            if (!date) {
                report_missing_date();
            }
        }
        if (!date) {
            continue;
        }
        append_padded(out, lower == 'd' ? date->day : lower == 'm' ? date->month : date->year);
    }
    return out;
}

} // namespace

const char* create_filename_from_date(const char* format, const char* prefix, const char* postfix,
                                      std::int32_t day_offset)
{
    std::string name(text_or_empty(prefix));
    name += date_part(text_or_empty(format), shifted_instant(now_seconds(), day_offset));
    name += text_or_empty(postfix);

    SharedResultBuffer& buffer = shared_result_buffer();
    const std::size_t kept = std::min(name.size(), shared_result_capacity);
    const auto end = std::copy_n(name.begin(), kept, buffer.begin());
    std::fill(end, buffer.end(), '\0');
    return buffer.data();
}

} // namespace zt::numeric
