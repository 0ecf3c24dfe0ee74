#include "platform/library_loader.h"

#include "platform/posix/windows_path.h"

#include <algorithm>
#include <cctype>
#include <dlfcn.h>
#include <string>

namespace zt::platform {
namespace {

// "...\NAME.DLL" -> ".../libname.so"; other names are kept.
std::string native_library_path(const char* windows_path)
{
    std::string path = posix::to_posix_path(windows_path);
    const auto slash = path.find_last_of('/');
    const auto name_start = slash == std::string::npos ? 0 : slash + 1;
    std::string name = path.substr(name_start);
    constexpr std::string_view extension = ".dll";
    if (name.size() > extension.size()) {
        std::string lowered = name;
        std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (lowered.ends_with(extension)) {
            name = "lib" + lowered.substr(0, lowered.size() - extension.size()) + ".so";
        }
    }
    return path.substr(0, name_start) + name;
}

} // namespace

LibraryHandle load_library(const char* windows_path) noexcept
{
    try {
        return dlopen(native_library_path(windows_path).c_str(), RTLD_NOW | RTLD_LOCAL);
    } catch (...) {
        return nullptr; // no memory for the path: no library
    }
}

void* find_entry_point(LibraryHandle library, const char* name) noexcept
{
    return library != nullptr ? dlsym(library, name) : nullptr;
}

} // namespace zt::platform
