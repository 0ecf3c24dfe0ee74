// Private-profile files straight from the Windows kernel.
#include "platform/profile.h"

#include <windows.h>

namespace zt::platform {

std::uint32_t get_private_profile_string(const char* section, const char* key,
                                         const char* default_value, char* buffer,
                                         std::uint32_t size, const char* file) noexcept
{
    return GetPrivateProfileStringA(section, key, default_value, buffer, size, file);
}

std::uint32_t get_private_profile_int(const char* section, const char* key, int default_value,
                                      const char* file) noexcept
{
    return GetPrivateProfileIntA(section, key, default_value, file);
}

bool write_private_profile_string(const char* section, const char* key, const char* value,
                                  const char* file) noexcept
{
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

} // namespace zt::platform
