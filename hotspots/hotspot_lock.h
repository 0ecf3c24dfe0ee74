// Serialises registration and release (on a script thread) with the mouse hook
// (on the host's UI thread). Registration and release wait for the lock; the
// hook only tries it and, finding it held, passes its message on untouched, so
// the host's UI thread never waits on a script. Trying the lock again on the
// thread that holds it fails as well, which also keeps the hook from handling
// a message inside the handling of another.
#pragma once

#include <atomic>
#include <chrono>
#include <thread>

namespace zt::hotspots {

class HotspotLock {
  public:
    void lock() noexcept
    {
        while (held_.test_and_set(std::memory_order_acquire)) {
            held_.wait(true, std::memory_order_relaxed);
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
    void unlock() noexcept
    {
        held_.clear(std::memory_order_release);
        held_.notify_one();
    }

  private:
    std::atomic_flag held_;
};

} // namespace zt::hotspots
