#include "platform/desktop.h"

namespace zt::platform {

namespace {

// Made when the library loads (no lock guards its first use, which may come
// from any thread).
DesktopCalls calls_in_use = system_desktop_calls();

} // namespace

DesktopCalls& desktop_calls() noexcept
{
    return calls_in_use;
}

} // namespace zt::platform
