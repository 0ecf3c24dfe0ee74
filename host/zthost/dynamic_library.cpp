#include "dynamic_library.h"

#if defined(_WIN32)
#include <filesystem>
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace zthost {

DynamicLibrary::DynamicLibrary(const std::string& path)
{
#if defined(_WIN32)
    // The library's own folder is searched first for the DLLs it imports, as
    // the earlier release keeps its host libraries beside it (an altered
    // search path needs a full path).
    std::error_code error;
    const std::filesystem::path full_path = std::filesystem::absolute(path, error);
    handle_ =
        error ? LoadLibraryA(path.c_str())
              : LoadLibraryExA(full_path.string().c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (handle_ == nullptr) {
        error_ = "LoadLibrary failed with error " + std::to_string(GetLastError());
    }
#else
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        error_ = dlerror();
    }
#endif
}

DynamicLibrary::~DynamicLibrary()
{
    if (handle_ == nullptr) {
        return;
    }
#if defined(_WIN32)
    FreeLibrary(static_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
}

void* DynamicLibrary::entry_point(const char* name) const
{
    if (handle_ == nullptr) {
        return nullptr;
    }
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
    return dlsym(handle_, name);
#endif
}

} // namespace zthost
