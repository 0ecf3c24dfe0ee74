#include "platform/posix/windows_path.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zt::platform::posix {

std::string sysroot()
{
    if (const char* root = std::getenv("ZT_SYSROOT"); root != nullptr && *root != '\0') {
        return root;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::string(home) + "/.ztfunc32";
    }
    return "/tmp/ztfunc32";
}

std::string windows_directory()
{
    return sysroot() + "/c/windows";
}

bool create_windows_directory()
{
    std::error_code error;
    std::filesystem::create_directories(windows_directory(), error);
    return !error;
}

std::string to_posix_path(std::string_view windows_path)
{
    std::string result;
    std::string_view rest = windows_path;
    const bool has_drive =
        rest.size() >= 2 && std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':';
    if (has_drive) {
        result =
            sysroot() + "/" + static_cast<char>(std::tolower(static_cast<unsigned char>(rest[0])));
        rest.remove_prefix(2);
        if (rest.empty() || (rest.front() != '\\' && rest.front() != '/')) {
            result += '/';
        }
    }
    for (char c : rest) {
        result += (c == '\\') ? '/' : c;
    }
    return result;
}

bool is_bare_file_name(std::string_view path)
{
    return path.find_first_of("\\/:") == std::string_view::npos;
}

} // namespace zt::platform::posix
