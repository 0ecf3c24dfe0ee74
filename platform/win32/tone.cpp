// Tones from Win32, and workers that keep their module loaded while they run.
#include "platform/tone.h"

#include <windows.h>

#include <process.h>

#include <new>

namespace zt::platform {
namespace {

bool beep(std::uint32_t frequency, std::uint32_t duration_ms) noexcept
{
    return Beep(frequency, duration_ms) != FALSE;
}

struct WorkerStart {
    WorkerEntry entry;
    void* argument;
    HMODULE module; // the reference the worker holds
};

unsigned __stdcall worker_main(void* start_record) noexcept
{
    const WorkerStart start = *static_cast<WorkerStart*>(start_record);
    delete static_cast<WorkerStart*>(start_record);
    start.entry(start.argument);
    // Gives the reference back and ends the thread without returning into the
    // module, which may be unmapped by the time FreeLibrary returns.
    FreeLibraryAndExitThread(start.module, 0);
}

bool start_worker(WorkerEntry entry, void* argument) noexcept
{
    // A reference on the module that holds this code (and the entry), taken
    // before the thread exists so an unload in between cannot pull it away.
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCSTR>(&worker_main), &module)) {
        return false;
    }
    auto* start = new (std::nothrow) WorkerStart{entry, argument, module};
    const std::uintptr_t thread =
        start != nullptr ? _beginthreadex(nullptr, 0, worker_main, start, 0, nullptr) : 0;
    if (thread == 0) {
        delete start;
        FreeLibrary(module);
        return false;
    }
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    return true;
}

constexpr ToneCalls system_calls{beep, start_worker};

} // namespace

const ToneCalls& system_tone_calls() noexcept
{
    return system_calls;
}

} // namespace zt::platform
