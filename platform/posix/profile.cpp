// Private-profile files on the emulated platform.
#include "platform/profile.h"

#include "platform/posix/private_profile.h"

namespace zt::platform {

std::uint32_t get_private_profile_string(const char* section, const char* key,
                                         const char* default_value, char* buffer,
                                         std::uint32_t size, const char* file)
{
    return posix::read_profile_string(section, key, default_value, buffer, size, file);
}

std::uint32_t get_private_profile_int(const char* section, const char* key, int default_value,
                                      const char* file)
{
    return static_cast<std::uint32_t>(posix::read_profile_int(section, key, default_value, file));
}

bool write_private_profile_string(const char* section, const char* key, const char* value,
                                  const char* file)
{
    return posix::write_profile_string(section, key, value, file);
}

} // namespace zt::platform
