// Threads that keep the module of their entry loaded while they run, as
// FreeLibraryAndExitThread lets a Windows thread do. Part of libztsystem.so,
// which is never unloaded (linked with -z nodelete), so the thread can drop
// the last reference on the entry's module and still return through code that
// stays mapped.
#pragma once

#include "platform/tone.h"

#include <chrono>

namespace zt::platform::simulated {

// Starts a detached thread that runs entry(argument). Before it starts, it
// takes a dlopen() reference on the shared object that contains `entry`
// (none for the main program, which is never unloaded), and it drops it with
// dlclose() once the entry has returned.
bool start_module_thread(WorkerEntry entry, void* argument) noexcept;

// Waits until every thread started here has ended; false after `timeout`.
bool wait_for_module_threads(std::chrono::milliseconds timeout) noexcept;

} // namespace zt::platform::simulated
