// Tones that do not hold up the script: each sounds on a worker thread of its
// own.
#pragma once

#include <cstdint>

namespace zt::system {

// Starts a tone of `frequency` hertz for `duration_ms` milliseconds and
// returns at once; both go to the system as they are. Off the NT line it
// first reports the two warnings and then tries all the same. A tone that
// cannot be started is not reported.
void beep(std::int32_t frequency, std::int32_t duration_ms) noexcept;

} // namespace zt::system
