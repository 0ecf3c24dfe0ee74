// Failure codes of the tag functions. Inside a call a failure is raised as a
// TagFailure and turned into a report and a result by the export's one handler.
#pragma once

#include <cstdint>

namespace zt::tags {

struct TagFailure {
    std::int32_t code;
};

inline constexpr std::int32_t connect_failed = -2;
inline constexpr std::int32_t tag_not_found = -3;
inline constexpr std::int32_t not_integer_or_real = -4;
inline constexpr std::int32_t directory_unreadable = -5;
inline constexpr std::int32_t path_too_long = -6;
inline constexpr std::int32_t open_failed = -7;
inline constexpr std::int32_t seek_failed = -8;
inline constexpr std::int32_t write_failed = -9;
inline constexpr std::int32_t close_failed = -10;
inline constexpr std::int32_t copy_failed = -13;
inline constexpr std::int32_t unspecified_exception = -20;
inline constexpr std::int32_t standard_exception = -21;

} // namespace zt::tags
