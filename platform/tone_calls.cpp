#include "platform/tone.h"

namespace zt::platform {

ToneCalls& tone_calls() noexcept
{
    static ToneCalls calls_in_use = system_tone_calls();
    return calls_in_use;
}

} // namespace zt::platform
