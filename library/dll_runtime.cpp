#include "library/dll_runtime.h"

#include "frame/spin_lock.h"
#include "platform/this_thread.h"

#include <cstdlib>
#include <mutex>

namespace __gnu_cxx {
void __freeres(); // libstdc++'s, declared in no header
} // namespace __gnu_cxx

namespace {

// The C++ ABI's __cxa_eh_globals: the exceptions a thread has caught and not
// yet finished with, and how many it has raised and not yet caught.
struct ExceptionGlobals {
    void* caught_exceptions;
    unsigned int uncaught_exceptions;
};

// One thread's, in a list of all of them, so that the unload finds them.
struct ThreadState {
    ExceptionGlobals globals;
    ThreadState* next;
    ThreadState* previous;
};

zt::frame::SpinLock states_lock;
ThreadState* states = nullptr;
// Before the slot is made (while the DLL's statics are), and should no slot
// be had: one state for every thread, as a process without threads has.
ExceptionGlobals without_slot{};
zt::platform::ThreadSlot slot;

ThreadState* own_state() noexcept
{
    return static_cast<ThreadState*>(slot.get());
}

void forget(ThreadState* state) noexcept
{
    if (state->previous != nullptr) {
        state->previous->next = state->next;
    } else {
        states = state->next;
    }
    if (state->next != nullptr) {
        state->next->previous = state->previous;
    }
}

} // namespace

// The C runtime's one-time set-up (libgcc's unwinder: its lock for the
// registered frames, as the DLL loads; its register table, at the first
// exception): without threads-library records, and so without handles.
// 0: not run, 1: running, 2: done.
extern "C" int pthread_once(long* once, void (*set_up)()) noexcept
{
    long not_run = 0;
    if (__atomic_compare_exchange_n(once, &not_run, 1, false, __ATOMIC_ACQUIRE, __ATOMIC_ACQUIRE)) {
        set_up();
        __atomic_store_n(once, 2, __ATOMIC_RELEASE);
        return 0;
    }
    while (__atomic_load_n(once, __ATOMIC_ACQUIRE) != 2) {
        zt::platform::yield_thread();
    }
    return 0;
}

extern "C" ExceptionGlobals* __cxa_get_globals() noexcept
{
    if (ThreadState* state = own_state()) {
        return &state->globals;
    }
    auto* state = static_cast<ThreadState*>(std::calloc(1, sizeof(ThreadState)));
    if (state == nullptr) {
        std::abort(); // as libstdc++ does when it cannot make a thread's state
    }
    slot.set(state);
    if (own_state() != state) {
        std::free(state);
        return &without_slot;
    }
    const std::lock_guard lock(states_lock);
    state->next = states;
    if (states != nullptr) {
        states->previous = state;
    }
    states = state;
    return &state->globals;
}

extern "C" ExceptionGlobals* __cxa_get_globals_fast() noexcept
{
    return __cxa_get_globals();
}

namespace zt::library {

void give_back_thread_runtime() noexcept
{
    ThreadState* state = own_state();
    if (state == nullptr) {
        return;
    }
    slot.set(nullptr);
    {
        const std::lock_guard lock(states_lock);
        forget(state);
    }
    std::free(state);
}

void give_back_runtime_at_unload(const void* reserved) noexcept
{
    if (reserved != nullptr) {
        return;
    }
    ThreadState* state = nullptr;
    {
        const std::lock_guard lock(states_lock);
        state = states;
        states = nullptr;
    }
    while (state != nullptr) {
        ThreadState* following = state->next;
        std::free(state);
        state = following;
    }
    slot.set(nullptr);
    __gnu_cxx::__freeres();
}

} // namespace zt::library
