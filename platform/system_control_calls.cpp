#include "platform/system_control.h"

namespace zt::platform {

namespace {

// Made when the library loads (no lock guards its first use, which may come
// from any thread).
SystemControlCalls calls_in_use = system_system_control_calls();

} // namespace

SystemControlCalls& system_control_calls() noexcept
{
    return calls_in_use;
}

} // namespace zt::platform
