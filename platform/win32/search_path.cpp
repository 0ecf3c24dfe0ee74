// Search-path lookup straight from the Windows kernel.
#include "platform/search_path.h"

#include <windows.h>

namespace zt::platform {

bool search_path_finds(const char* file_name) noexcept
{
    if (file_name == nullptr || *file_name == '\0') {
        return false;
    }
    // The caller only wants to know whether the file exists; a found path that
    // does not fit the buffer still counts (the result is then the size needed).
    char found[131];
    char* file_part = nullptr;
    return SearchPathA(nullptr, file_name, nullptr, sizeof found, found, &file_part) != 0;
}

} // namespace zt::platform
