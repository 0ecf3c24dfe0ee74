// The calling thread, as the library's locks need it: who it is, and giving
// way to other threads while it waits.
// win32: GetCurrentThreadId, SwitchToThread, Sleep.
// posix: pthread_self, sched_yield, nanosleep.
// The standard library's thread functions would do as well, but on Windows
// they go through the threads library, which makes a record of its own for
// every host thread that calls it and keeps it after the library is unloaded.
#pragma once

#include <cstdint>

namespace zt::platform {

// Identifies the calling thread among the threads running now; never 0.
std::uintptr_t current_thread_key() noexcept;

// Lets another thread run, if one is ready.
void yield_thread() noexcept;

// Gives up the processor for about `milliseconds` (at least one tick).
void sleep_thread(std::uint32_t milliseconds) noexcept;

} // namespace zt::platform
