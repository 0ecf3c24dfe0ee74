#include "platform/library_loader.h"

#include <windows.h>

#include <cstring>

namespace zt::platform {

LibraryHandle load_library(const char* windows_path) noexcept
{
    const bool has_directory = std::strpbrk(windows_path, "\\/:") != nullptr;
    return has_directory ? LoadLibraryExA(windows_path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)
                         : LoadLibraryA(windows_path);
}

void* find_entry_point(LibraryHandle library, const char* name) noexcept
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

} // namespace zt::platform
