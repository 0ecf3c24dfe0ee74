#include "platform/desktop.h"

namespace zt::platform {

DesktopCalls& desktop_calls() noexcept
{
    static DesktopCalls calls_in_use = system_desktop_calls();
    return calls_in_use;
}

} // namespace zt::platform
