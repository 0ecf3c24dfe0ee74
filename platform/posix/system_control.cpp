// Shutdown, the process token and the version over the simulated system.
#include "platform/system_control.h"

#include "platform/simulated/simulated_system.h"

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

} // namespace zt::platform
