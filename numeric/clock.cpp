#include "numeric/clock.h"

#include "platform/local_time.h"

#include <utility>

namespace zt::numeric {
namespace {

// Made when the library loads; empty: the system clock.
Clock replacement_clock;

} // namespace

std::int64_t now_seconds() noexcept
{
    return replacement_clock ? replacement_clock() : platform::current_time_seconds();
}

void set_clock_for_testing(Clock clock)
{
    replacement_clock = std::move(clock);
}

} // namespace zt::numeric
