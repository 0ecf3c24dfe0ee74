#include "platform/system_control.h"

namespace zt::platform {

SystemControlCalls& system_control_calls() noexcept
{
    static SystemControlCalls calls_in_use = system_system_control_calls();
    return calls_in_use;
}

} // namespace zt::platform
