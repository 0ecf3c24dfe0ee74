// Tones of the simulated system, sounded by threads that keep their module loaded.
#include "platform/tone.h"

#include "platform/posix/module_thread.h"
#include "platform/simulated/simulated_system.h"

namespace zt::platform {

const ToneCalls& system_tone_calls() noexcept
{
    static constexpr ToneCalls calls{simulated::beep, posix::start_module_thread};
    return calls;
}

} // namespace zt::platform
