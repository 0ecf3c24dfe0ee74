// What the process holds, as a host's operator would watch it in a task
// manager: heap in use, open handles, and USER and GDI objects where the
// platform reports them.
//   Windows: every heap of the process walked (HeapWalk, busy blocks), the
//            handle count (GetProcessHandleCount, or where that gives
//            nothing, as Wine's may, the lowest free handle slot), and
//            GetGuiResources.
//   native:  the sanitizer's allocator figures in a sanitizer build, else
//            malloc's (mallinfo2, with every thread allocating from the one
//            arena it covers); open file descriptors; no USER or GDI.
#pragma once

#include <cstdint>

namespace soakhost {

struct ProcessFigures {
    std::uint64_t heap_bytes = 0;
    std::uint32_t handles = 0;
    std::uint32_t user_objects = 0;
    std::uint32_t gdi_objects = 0;
};

// Called once, before any other thread starts.
void prepare_process_figures();

ProcessFigures process_figures();

} // namespace soakhost
