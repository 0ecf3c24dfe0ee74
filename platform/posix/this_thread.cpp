#include "platform/this_thread.h"

#include <cerrno>
#include <pthread.h>
#include <sched.h>
#include <time.h>

namespace zt::platform {

std::uintptr_t current_thread_key() noexcept
{
    // pthread_t is the address of the thread's control block here, never 0.
    return static_cast<std::uintptr_t>(pthread_self());
}

void yield_thread() noexcept
{
    sched_yield();
}

void sleep_thread(std::uint32_t milliseconds) noexcept
{
    timespec pause{static_cast<time_t>(milliseconds / 1000),
                   static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

} // namespace zt::platform
