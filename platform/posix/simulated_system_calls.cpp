// Shutdown, the process token, the version and tones over the simulated
// system; tones are sounded by threads that keep their module loaded.
#include "platform/simulated/module_thread.h"
#include "platform/simulated/simulated_system.h"
#include "platform/system_control.h"
#include "platform/tone.h"

namespace zt::platform {

const SystemControlCalls& system_system_control_calls() noexcept
{
    static constexpr SystemControlCalls calls{simulated::open_process_token,
                                              simulated::lookup_privilege_value,
                                              simulated::adjust_token_privileges,
                                              simulated::close_token,
                                              simulated::exit_windows,
                                              simulated::get_version};
    return calls;
}

const ToneCalls& system_tone_calls() noexcept
{
    static constexpr ToneCalls calls{simulated::beep, simulated::start_module_thread};
    return calls;
}

} // namespace zt::platform
