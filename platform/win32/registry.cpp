#include "platform/registry.h"

#include <windows.h>

#include <cstring>

namespace zt::platform {

RegistryRead read_machine_registry_text(const char* key_path, const char* value_name,
                                        std::span<char> buffer) noexcept
{
    if (buffer.empty()) {
        return RegistryRead::too_long;
    }
    buffer[0] = '\0';
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return RegistryRead::key_missing;
    }
    DWORD size = static_cast<DWORD>(buffer.size());
    const LONG status = RegQueryValueExA(key, value_name, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        buffer[0] = '\0';
        return status == ERROR_MORE_DATA ? RegistryRead::too_long : RegistryRead::value_missing;
    }
    // A value may be stored without its terminator; it then needs one more byte.
    if (strnlen(buffer.data(), size) == buffer.size()) {
        buffer[0] = '\0';
        return RegistryRead::too_long;
    }
    if (size < buffer.size()) {
        buffer[size] = '\0';
    }
    return RegistryRead::found;
}

} // namespace zt::platform
