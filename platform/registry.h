// Registry reads under HKEY_LOCAL_MACHINE.
// win32: RegOpenKeyExA / RegQueryValueExA.
// posix: the file "registry.ini" in the Windows directory holds the values, one
// section per key path ("[Software\Zentara\ztdebug]") with "name=value" lines;
// key paths and value names are compared without regard to letter case.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace zt::platform {

enum class RegistryRead {
    found,         // the value's text is in `text`
    key_missing,   // the key could not be opened
    value_missing, // the key exists, the value does not
    too_long,      // the value does not fit `capacity` bytes with its terminator
};

struct RegistryText {
    RegistryRead status;
    std::string text;
};

// Reads a text value of at most `capacity` bytes, terminator included; the
// value's registry type is not examined.
RegistryText read_machine_registry_text(const char* key_path, const char* value_name,
                                        std::size_t capacity);

} // namespace zt::platform
