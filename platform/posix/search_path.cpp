// SearchPathA's standard order on the emulated platform (see
// platform/search_path.h for the rules).
#include "platform/search_path.h"

#include "platform/posix/windows_path.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zt::platform {

namespace {

namespace fs = std::filesystem;

bool ends_with_exe(std::string_view name)
{
    if (name.size() <= 4) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - 4);
    return tail[0] == '.' && (tail[1] | 0x20) == 'e' && (tail[2] | 0x20) == 'x' &&
           (tail[3] | 0x20) == 'e';
}

// Windows finds directories as well as files, so anything that exists counts.
bool exists_here(const fs::path& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

std::vector<fs::path> search_folders()
{
    std::vector<fs::path> folders;
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        folders.push_back(executable.parent_path());
    }
    folders.push_back(".");
    const std::string windows = posix::windows_directory();
    folders.push_back(fs::path(windows) / "system32");
    folders.push_back(windows);
    if (const char* path = std::getenv("PATH"); path != nullptr) {
        std::string_view entries = path;
        while (!entries.empty()) {
            const std::size_t colon = entries.find(':');
            const std::string_view entry = entries.substr(0, colon);
            if (!entry.empty()) {
                folders.emplace_back(std::string(entry));
            }
            entries =
                colon == std::string_view::npos ? std::string_view{} : entries.substr(colon + 1);
        }
    }
    return folders;
}

// Allocates, so it may throw.
bool found_in_search_order(const char* file_name)
{
    const std::string_view name = file_name;
    std::vector<std::string> candidates{std::string(name)};
    if (ends_with_exe(name)) {
        candidates.emplace_back(name.substr(0, name.size() - 4));
    }
    if (!posix::is_bare_file_name(name)) {
        for (const std::string& candidate : candidates) {
            if (exists_here(posix::to_posix_path(candidate))) {
                return true;
            }
        }
        return false;
    }
    for (const fs::path& folder : search_folders()) {
        for (const std::string& candidate : candidates) {
            if (exists_here(folder / candidate)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool search_path_finds(const char* file_name) noexcept
{
    if (file_name == nullptr || *file_name == '\0') {
        return false;
    }
    try {
        return found_in_search_order(file_name);
    } catch (...) {
        return false; // out of memory: nothing found
    }
}

} // namespace zt::platform
