// Settings of the statistics-export tool, written into section "Defaults" of
// "statx.ini" only while the tool can be found on the search path. The result
// code is the only report: nothing goes to the error-report operation.
#pragma once

#include "statx.h"

#include <array>
#include <cstdint>
#include <limits>

namespace zt::settings::statx {

inline constexpr std::int32_t tool_missing = -1;

// One numeric setting and the values it accepts (both ends included).
struct Field {
    const char* key;
    std::int32_t lowest;
    std::int32_t highest;
};

using FieldTriple = std::array<Field, 3>;

// The day is not checked against the month (31 February is accepted);
// minute and second accept 60.
inline constexpr std::int32_t no_upper_bound = std::numeric_limits<std::int32_t>::max();
inline constexpr FieldTriple start_date{{{::statx::start_year, 1970, no_upper_bound},
                                         {::statx::start_month, 1, 12},
                                         {::statx::start_day, 1, 31}}};
inline constexpr FieldTriple end_date{{{::statx::end_year, 1970, no_upper_bound},
                                       {::statx::end_month, 1, 12},
                                       {::statx::end_day, 1, 31}}};
inline constexpr FieldTriple start_time{
    {{::statx::start_hour, 0, 23}, {::statx::start_minute, 0, 60}, {::statx::start_second, 0, 60}}};
inline constexpr FieldTriple end_time{
    {{::statx::end_hour, 0, 23}, {::statx::end_minute, 0, 60}, {::statx::end_second, 0, 60}}};

// True when "statx.exe" is found in the standard search order.
bool tool_present() noexcept;

// Writes `value` as `key` of the tool's section; false when the write failed.
bool write_setting(const char* key, const char* value) noexcept;

// -1 without the tool; otherwise the status sum: 1, 10 and 100 added for the
// first, second and third field when its value is out of range (and not
// written) or its write failed. Each field is handled by itself.
std::int32_t set_fields(const FieldTriple& fields, std::int32_t first, std::int32_t second,
                        std::int32_t third) noexcept;

// -1 without the tool; 0 when `text` was written unchanged under `key`, 1 when
// the write failed or there is no text (null) to write.
std::int32_t set_text(const char* key, const char* text) noexcept;

} // namespace zt::settings::statx
