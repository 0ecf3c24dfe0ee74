#include "platform/tone.h"

namespace zt::platform {

namespace {

// Made when the library loads (no lock guards its first use, which may come
// from any thread).
ToneCalls calls_in_use = system_tone_calls();

} // namespace

ToneCalls& tone_calls() noexcept
{
    return calls_in_use;
}

} // namespace zt::platform
