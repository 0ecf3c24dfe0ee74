#include "process_figures.h"

#if defined(_WIN32)
#include <windows.h>

#include <vector>
#else
#include <dirent.h>
#include <malloc.h>

#include <cstddef>

// Present in a sanitizer build only.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));
#endif

namespace soakhost {

#if defined(_WIN32)
namespace {

std::uint64_t heap_in_use()
{
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    std::uint64_t bytes = 0;
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) {
            continue;
        }
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
                bytes += entry.cbData;
            }
        }
        HeapUnlock(heap);
    }
    return bytes;
}

std::uint32_t open_handles()
{
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) {
        return count;
    }
    // Handles are slots of four; the next one made takes the lowest free slot,
    // which grows with every handle left open below it.
    HANDLE probe = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const auto slot = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(probe) / 4);
    CloseHandle(probe);
    return slot;
}

} // namespace

void prepare_process_figures() {}

ProcessFigures process_figures()
{
    ProcessFigures figures;
    figures.heap_bytes = heap_in_use();
    figures.handles = open_handles();
    figures.user_objects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    figures.gdi_objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return figures;
}

#else

void prepare_process_figures()
{
    // mallinfo2 tells of the main arena only.
    mallopt(M_ARENA_MAX, 1);
}

ProcessFigures process_figures()
{
    ProcessFigures figures;
    if (__sanitizer_get_current_allocated_bytes != nullptr) {
        figures.heap_bytes = __sanitizer_get_current_allocated_bytes();
    } else {
        figures.heap_bytes = mallinfo2().uordblks;
    }
    if (DIR* descriptors = opendir("/proc/self/fd")) {
        while (const dirent* entry = readdir(descriptors)) {
            figures.handles += entry->d_name[0] != '.' ? 1 : 0;
        }
        closedir(descriptors);
        figures.handles -= 1; // the directory's own
    }
    return figures;
}

#endif

} // namespace soakhost
