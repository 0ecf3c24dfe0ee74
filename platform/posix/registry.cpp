#include "platform/registry.h"

#include "platform/posix/windows_path.h"

#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <strings.h>

namespace zt::platform {
namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool same_name(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// The value's text, or how the read failed; allocates, so it may throw.
RegistryRead read_value(const char* key_path, const char* value_name, std::span<char> buffer)
{
    std::ifstream file(posix::windows_directory() + "/registry.ini");
    bool in_key = false;
    bool key_seen = false;
    std::string line;
    while (std::getline(file, line)) {
        const std::string_view text = trimmed(line);
        if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
            in_key = same_name(text.substr(1, text.size() - 2), key_path);
            key_seen = key_seen || in_key;
            continue;
        }
        const auto equals = text.find('=');
        if (!in_key || equals == std::string_view::npos ||
            !same_name(trimmed(text.substr(0, equals)), value_name)) {
            continue;
        }
        const std::string_view value = trimmed(text.substr(equals + 1));
        if (value.size() + 1 > buffer.size()) {
            return RegistryRead::too_long;
        }
        std::memcpy(buffer.data(), value.data(), value.size());
        buffer[value.size()] = '\0';
        return RegistryRead::found;
    }
    return key_seen ? RegistryRead::value_missing : RegistryRead::key_missing;
}

} // namespace

RegistryRead read_machine_registry_text(const char* key_path, const char* value_name,
                                        std::span<char> buffer) noexcept
{
    if (buffer.empty()) {
        return RegistryRead::too_long;
    }
    buffer[0] = '\0';
    try {
        return read_value(key_path, value_name, buffer);
    } catch (...) {
        // Out of memory: the file could not be read, as a key that cannot be opened.
        buffer[0] = '\0';
        return RegistryRead::key_missing;
    }
}

} // namespace zt::platform
