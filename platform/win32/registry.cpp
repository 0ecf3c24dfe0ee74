#include "platform/registry.h"

#include <windows.h>

#include <vector>

namespace zt::platform {

RegistryText read_machine_registry_text(const char* key_path, const char* value_name,
                                        std::size_t capacity)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return {RegistryRead::key_missing, {}};
    }
    std::vector<char> buffer(capacity + 1, '\0'); // room for a value stored without terminator
    DWORD size = static_cast<DWORD>(capacity);
    const LONG status = RegQueryValueExA(key, value_name, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(key);
    if (status == ERROR_MORE_DATA) {
        return {RegistryRead::too_long, {}};
    }
    if (status != ERROR_SUCCESS) {
        return {RegistryRead::value_missing, {}};
    }
    std::string text(buffer.data()); // up to the first terminator
    if (text.size() + 1 > capacity) {
        return {RegistryRead::too_long, {}};
    }
    return {RegistryRead::found, std::move(text)};
}

} // namespace zt::platform
