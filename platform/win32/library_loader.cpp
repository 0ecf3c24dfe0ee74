#include "platform/library_loader.h"

#include <windows.h>

namespace zt::platform {

LibraryHandle load_library(const char* windows_path) noexcept
{
    return LoadLibraryA(windows_path);
}

void* find_entry_point(LibraryHandle library, const char* name) noexcept
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

} // namespace zt::platform
