#include "numeric/numeric.h"

#include "frame/error_report.h"
#include "frame/result_buffers.h"
#include "platform/local_time.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>

namespace zt::numeric {
namespace {

constexpr std::size_t longest_looked_at_format = 3;
constexpr std::int64_t seconds_per_day = 86400;

std::string_view text_or_empty(const char* text)
{
    return text != nullptr ? std::string_view(text) : std::string_view();
}

// Text of at most the shared buffer's capacity, built on the stack: nothing is
// allocated, what does not fit is dropped, and a prefix or postfix that points
// into the shared buffer itself is read before the buffer is written.
class BoundedText {
  public:
    void append(std::string_view text)
    {
        const std::size_t fitting = std::min(text.size(), frame::shared_result_capacity - size_);
        std::copy_n(text.data(), fitting, chars_.begin() + static_cast<std::ptrdiff_t>(size_));
        size_ += fitting;
    }
    void append(char c) { append(std::string_view(&c, 1)); }

    void copy_to(frame::SharedResultBuffer& buffer) const
    {
        const auto end = std::copy_n(chars_.begin(), size_, buffer.begin());
        std::fill(end, buffer.end(), '\0');
    }

  private:
    std::array<char, frame::shared_result_capacity> chars_{};
    std::size_t size_ = 0;
};

char ascii_lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Writes a non-negative number in decimal; a one-digit number gets a leading
// "0", wider numbers stay as they are. Not std::to_string: its digit table is a
// GNU-unique symbol, which would keep the native shared object from unloading.
void append_padded(BoundedText& out, int number)
{
    char reversed[10];
    std::size_t count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0 && count < sizeof reversed);
    if (count == 1) {
        out.append('0');
    }
    while (count > 0) {
        out.append(reversed[--count]);
    }
}

// The local date of `instant`, if it has one with a four-digit year.
std::optional<platform::LocalCalendarTime> four_digit_year_date(std::int64_t instant)
{
    const auto local = platform::local_time_calls().local_calendar_time(instant);
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

// Appends the date part for `format`: only formats of 1 to 3 characters are looked at
// (case-insensitively), other lengths give "" without a report. Each character
// other than d, m, y is reported and skipped. When there is no instant, or it
// has no local date with a four-digit year, the date letters give nothing and
// that is reported once.
void append_date_part(BoundedText& out, std::string_view format,
                      std::optional<std::int64_t> instant)
{
    if (format.empty() || format.size() > longest_looked_at_format) {
        return;
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
}

} // namespace

const char* create_filename_from_date(const char* format, const char* prefix, const char* postfix,
                                      std::int32_t day_offset) noexcept
{
    BoundedText name;
    name.append(text_or_empty(prefix));
    append_date_part(
        name, text_or_empty(format),
        shifted_instant(platform::local_time_calls().current_time_seconds(), day_offset));
    name.append(text_or_empty(postfix));

    frame::SharedResultBuffer& buffer = frame::shared_result_buffer();
    name.copy_to(buffer);
    return buffer.data();
}

} // namespace zt::numeric
