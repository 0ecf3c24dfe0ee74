// Registry reads under HKEY_LOCAL_MACHINE.
// win32: RegOpenKeyExA / RegQueryValueExA.
// posix: the file "registry.ini" in the Windows directory holds the values, one
// section per key path ("[Software\Zentara\ztdebug]") with "name=value" lines;
// key paths and value names are compared without regard to letter case.
#pragma once

#include <span>

namespace zt::platform {

enum class RegistryRead {
    found,         // the value's text is in the buffer
    key_missing,   // the key could not be opened (or the emulation could not read its file)
    value_missing, // the key exists, the value does not
    too_long,      // the value does not fit the buffer with its terminator
};

// Reads a text value into `buffer`, terminator included; the value's registry
// type is not examined. Unless the value was found, the buffer holds "".
RegistryRead read_machine_registry_text(const char* key_path, const char* value_name,
                                        std::span<char> buffer) noexcept;

} // namespace zt::platform
