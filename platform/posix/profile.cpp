// Private-profile files on the emulated platform. The emulation allocates;
// when it runs out of memory, the call answers as Windows does for a file it
// cannot open: a read gives the default as passed, a write fails.
#include "platform/profile.h"

#include "platform/posix/private_profile.h"
#include "platform/posix/windows_path.h"

#include <algorithm>
#include <cstring>

namespace zt::platform {
namespace {

std::uint32_t copy_default(const char* default_value, char* buffer, std::uint32_t size) noexcept
{
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    std::size_t length = 0;
    if (default_value != nullptr) {
        length = std::min<std::size_t>(std::strlen(default_value), size - 1);
        std::memcpy(buffer, default_value, length);
    }
    buffer[length] = '\0';
    return static_cast<std::uint32_t>(length);
}

} // namespace

std::uint32_t get_private_profile_string(const char* section, const char* key,
                                         const char* default_value, char* buffer,
                                         std::uint32_t size, const char* file) noexcept
{
    try {
        return posix::read_profile_string(section, key, default_value, buffer, size, file);
    } catch (...) {
        return copy_default(default_value, buffer, size);
    }
}

std::uint32_t get_private_profile_int(const char* section, const char* key, int default_value,
                                      const char* file) noexcept
{
    try {
        return static_cast<std::uint32_t>(
            posix::read_profile_int(section, key, default_value, file));
    } catch (...) {
        return static_cast<std::uint32_t>(default_value);
    }
}

bool write_private_profile_string(const char* section, const char* key, const char* value,
                                  const char* file) noexcept
{
    try {
        // A bare name (or none: "win.ini") is a file of the Windows directory,
        // which a Windows machine always has; the emulation makes it now.
        if (file == nullptr || posix::is_bare_file_name(file)) {
            posix::create_windows_directory();
        }
        return posix::write_profile_string(section, key, value, file);
    } catch (...) {
        return false;
    }
}

} // namespace zt::platform
