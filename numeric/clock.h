// The library's "now": the system clock, or a clock a test puts in its place.
#pragma once

#include <cstdint>
#include <functional>

namespace zt::numeric {

// Seconds since 1970-01-01 00:00:00 UTC.
using Clock = std::function<std::int64_t()>;

std::int64_t now_seconds() noexcept;

// Makes `clock` the library's clock; an empty Clock restores the system clock.
void set_clock_for_testing(Clock clock);

} // namespace zt::numeric
