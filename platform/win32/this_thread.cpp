#include "platform/this_thread.h"

#include <windows.h>

namespace zt::platform {

std::uintptr_t current_thread_key() noexcept
{
    return GetCurrentThreadId();
}

void yield_thread() noexcept
{
    SwitchToThread();
}

void sleep_thread(std::uint32_t milliseconds) noexcept
{
    Sleep(milliseconds);
}

} // namespace zt::platform
