// The calling thread, as the library's locks and per-thread state need it: who
// it is, giving way to other threads while it waits, and a pointer of its own.
// win32: GetCurrentThreadId, SwitchToThread, Sleep; TlsAlloc, TlsGetValue,
//        TlsSetValue, TlsFree.
// posix: pthread_self, sched_yield, nanosleep; pthread_key_create,
//        pthread_getspecific, pthread_setspecific, pthread_key_delete.
// The standard library's thread functions and the compiler's thread_local
// would do as well, but on Windows they go through the threads library
// linked into the DLL, which makes a record (an event, a thread handle, two
// semaphores) for every host thread that comes by and keeps it after the
// library is unloaded.
#pragma once

#include <cstdint>

namespace zt::platform {

// Identifies the calling thread among the threads running now; never 0.
std::uintptr_t current_thread_key() noexcept;

// Lets another thread run, if one is ready.
void yield_thread() noexcept;

// Gives up the processor for about `milliseconds` (at least one tick).
void sleep_thread(std::uint32_t milliseconds) noexcept;

// A pointer each thread has of its own, null until the thread sets it. Made
// when the library loads and given back when it unloads (a static object).
class ThreadSlot {
  public:
    ThreadSlot() noexcept;
    ~ThreadSlot();
    ThreadSlot(const ThreadSlot&) = delete;
    ThreadSlot& operator=(const ThreadSlot&) = delete;

    void* get() const noexcept;
    void set(void* value) noexcept;

  private:
    std::uintptr_t key_; // the system's index of the slot
    bool made_;
};

} // namespace zt::platform
