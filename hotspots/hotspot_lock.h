// Serialises registration and release (on a script thread) with the mouse hook
// (on the host's UI thread). Registration and release wait for the lock; the
// hook only tries it and, finding it held, passes its message on untouched, so
// the host's UI thread never waits on a script. Trying the lock again on the
// thread that holds it fails as well, which also keeps the hook from handling
// a message inside the handling of another.
// A waiting registration yields its time slice between tries instead of
// sleeping on the flag: on Windows the standard library implements atomic
// waits with a mutex and a condition variable whose error paths bring its
// strings and exception hierarchy into the shipped DLL. The lock is held for
// one registration, release or mouse message at a time.
#pragma once

#include <atomic>
#include <chrono>
#include <thread>

namespace zt::hotspots {

class HotspotLock {
  public:
    void lock() noexcept
    {
        while (!try_lock()) {
            std::this_thread::yield();
        }
    }
    bool try_lock() noexcept { return !held_.test_and_set(std::memory_order_acquire); }
    // Tries for a while: for the library's exit step, which at the end of the
    // process may find the lock held by a thread that is already gone.
    bool try_lock_for(std::chrono::milliseconds patience) noexcept
    {
        const auto give_up = std::chrono::steady_clock::now() + patience;
        while (!try_lock()) {
            if (std::chrono::steady_clock::now() >= give_up) {
                return false;
            }
            std::this_thread::yield();
        }
        return true;
    }
    void unlock() noexcept { held_.clear(std::memory_order_release); }

  private:
    std::atomic_flag held_;
};

} // namespace zt::hotspots
