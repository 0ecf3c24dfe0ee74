// Tones, and the short-lived threads that sound them without holding up the
// caller.
// win32: Beep; _beginthreadex. The worker holds a reference on the module that
//        contains its entry (GetModuleHandleExA, taken before the thread
//        starts) and gives it back as its last act (FreeLibraryAndExitThread),
//        so a host that unloads the library while a tone sounds only drops its
//        own reference: the module stays mapped until the worker is done.
// posix: the simulated system's Beep (recorded, see
//        platform/simulated/simulated_system.h); the thread is started by
//        libztsystem.so, which holds a dlopen() reference on the entry's module
//        and drops it with dlclose() after the entry returned, running from
//        code that is never unloaded.
//
// The calls go through a table that tests may replace entry by entry; the
// library always calls through tone_calls().
#pragma once

#include <cstdint>

namespace zt::platform {

// A worker's work; it owns `argument`.
using WorkerEntry = void (*)(void* argument) noexcept;

struct ToneCalls {
    // Sounds a tone, blocking the caller for its length; false on failure.
    bool (*beep)(std::uint32_t frequency, std::uint32_t duration_ms) noexcept;
    // Starts a thread that runs entry(argument) and ends; nobody waits for it.
    // False when no thread started: `entry` never runs and `argument` is still
    // the caller's.
    bool (*start_worker)(WorkerEntry entry, void* argument) noexcept;
};

const ToneCalls& system_tone_calls() noexcept;
ToneCalls& tone_calls() noexcept;

} // namespace zt::platform
