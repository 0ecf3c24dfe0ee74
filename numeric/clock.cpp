#include "numeric/clock.h"

#include "platform/local_time.h"

#include <utility>

namespace zt::numeric {
namespace {

Clock& replacement_clock()
{
    static Clock clock;
    return clock;
}

} // namespace

std::int64_t now_seconds() noexcept
{
    const Clock& clock = replacement_clock();
    return clock ? clock() : platform::current_time_seconds();
}

void set_clock_for_testing(Clock clock)
{
    replacement_clock() = std::move(clock);
}

} // namespace zt::numeric
