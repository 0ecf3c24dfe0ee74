// A lock held for moments only: to change or read some state in memory, never
// across a call out of the library (tag access, the window manager, the
// logger). So a wait for it lasts as long as the holder's work in memory, and
// a thread never finds it held by itself: a call that one of those calls
// leads back into the library finds it free.
// A waiting thread yields between tries instead of sleeping on the flag: on
// Windows the standard library implements atomic waits with a mutex and a
// condition variable whose error paths bring its strings and exception
// hierarchy into the shipped DLL.
#pragma once

#include "platform/this_thread.h"

#include <atomic>
#include <cstdint>

namespace zt::frame {

class SpinLock {
  public:
    void lock() noexcept
    {
        while (!try_lock()) {
            platform::yield_thread();
        }
    }
    bool try_lock() noexcept { return !held_.test_and_set(std::memory_order_acquire); }
    // Tries for about `milliseconds`: for the library's exit step, which at the
    // end of the process may find the lock held by a thread that is gone.
    bool try_lock_for(std::uint32_t milliseconds) noexcept
    {
        for (std::uint32_t waited = 0; !try_lock(); ++waited) {
            if (waited >= milliseconds) {
                return false;
            }
            platform::sleep_thread(1);
        }
        return true;
    }
    void unlock() noexcept { held_.clear(std::memory_order_release); }

  private:
    std::atomic_flag held_;
};

} // namespace zt::frame
