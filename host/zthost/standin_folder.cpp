#include "standin_folder.h"

#if defined(_WIN32)
#include <windows.h>

#include <string>
#endif

namespace zthost {

void search_standin_folder() noexcept
{
#if defined(_WIN32)
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    std::string folder(program, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    folder += "sandbox";
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        SetDllDirectoryA(folder.c_str());
    }
#endif
}

} // namespace zthost
