// Private-profile (INI) files, as the Windows kernel offers them.
// win32: GetPrivateProfileStringA / GetPrivateProfileIntA / WritePrivateProfileStringA.
// posix: an emulation with the same rules (see platform/posix/private_profile.h).
// When the emulation itself fails (out of memory), a read answers as for a
// file that cannot be opened (the default) and a write fails.
#pragma once

#include <cstdint>

namespace zt::platform {

// Reads `key` of `section` in `file` into `buffer` (capacity `size`, terminator
// included); copies `default_value` when the file, section or key is missing.
// Returns the number of characters copied, terminator excluded.
std::uint32_t get_private_profile_string(const char* section, const char* key,
                                         const char* default_value, char* buffer,
                                         std::uint32_t size, const char* file) noexcept;

// Reads `key` of `section` in `file` as an integer the way Windows does;
// `default_value` when the file, section or key is missing.
std::uint32_t get_private_profile_int(const char* section, const char* key, int default_value,
                                      const char* file) noexcept;

// Writes `value` as `key` of `section` in `file`; true on success.
bool write_private_profile_string(const char* section, const char* key, const char* value,
                                  const char* file) noexcept;

} // namespace zt::platform
