#include "platform/this_thread.h"

#include <utility>

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

ThreadSlot::ThreadSlot() noexcept : key_(TlsAlloc()), made_(key_ != TLS_OUT_OF_INDEXES) {}

ThreadSlot::~ThreadSlot()
{
    // Destroyed with the library's statics; a late user finds no slot.
    if (std::exchange(made_, false)) {
        TlsFree(static_cast<DWORD>(key_));
    }
}

void* ThreadSlot::get() const noexcept
{
    return made_ ? TlsGetValue(static_cast<DWORD>(key_)) : nullptr;
}

void ThreadSlot::set(void* value) noexcept
{
    if (made_) {
        TlsSetValue(static_cast<DWORD>(key_), value);
    }
}

} // namespace zt::platform
