// What a Windows DLL of the library gives back of its statically linked C++
// runtime, so that a host may load and unload it any number of times:
//   - libstdc++'s emergency exception pool, some 73 KB that the runtime
//     allocates when the DLL loads and frees only when asked
//     (__gnu_cxx::__freeres);
//   - each thread's exception state (the C++ ABI's __cxa_get_globals), which
//     libstdc++ keeps in emulated thread-local storage on Windows: through the
//     threads library linked into the DLL, which makes a record for every
//     thread that raises an exception (an event, a thread handle and two
//     semaphores) and loses them all when the DLL goes. dll_runtime.cpp keeps
//     that state in a thread slot of the platform's instead, frees a thread's
//     when the thread ends and the rest when the DLL is unloaded.
// Both DllMain functions call these; nothing else of the library does.
#pragma once

namespace zt::library {

// DLL_THREAD_DETACH.
void give_back_thread_runtime() noexcept;

// DLL_PROCESS_DETACH, after the library's own unload step. At the end of the
// process (`reserved` not null) nothing is given back: the process goes.
void give_back_runtime_at_unload(const void* reserved) noexcept;

} // namespace zt::library
