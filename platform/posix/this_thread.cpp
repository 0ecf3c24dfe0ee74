#include "platform/this_thread.h"

#include <utility>

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

namespace {

pthread_key_t as_key(std::uintptr_t key)
{
    return static_cast<pthread_key_t>(key);
}

} // namespace

ThreadSlot::ThreadSlot() noexcept : key_(0), made_(false)
{
    pthread_key_t key{};
    made_ = pthread_key_create(&key, nullptr) == 0;
    key_ = key;
}

ThreadSlot::~ThreadSlot()
{
    // Destroyed with the library's statics; a late user finds no slot.
    if (std::exchange(made_, false)) {
        pthread_key_delete(as_key(key_));
    }
}

void* ThreadSlot::get() const noexcept
{
    return made_ ? pthread_getspecific(as_key(key_)) : nullptr;
}

void ThreadSlot::set(void* value) noexcept
{
    if (made_) {
        pthread_setspecific(as_key(key_), value);
    }
}

} // namespace zt::platform
