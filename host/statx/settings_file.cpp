#include "settings_file.h"

#include "platform/profile.h"
#include "statx.h"

#include <array>

namespace statx_tool {
namespace {

namespace keys = ::statx;

constexpr std::uint32_t value_capacity = 1024;

std::string read_with_default(const char* key, const char* fallback)
{
    std::array<char, value_capacity> buffer{};
    const std::uint32_t length = zt::platform::get_private_profile_string(
        keys::section, key, fallback, buffer.data(), value_capacity, keys::settings_file);
    return std::string(buffer.data(), length);
}

} // namespace

// The service gives a default for a missing key; a key is missing only when
// two different defaults both come back.
SettingLookup settings_file_lookup()
{
    return [](const char* key) -> std::optional<std::string> {
        std::string first = read_with_default(key, "<missing>");
        if (first == "<missing>" && read_with_default(key, "<absent>") == "<absent>") {
            return std::nullopt;
        }
        return first;
    };
}

} // namespace statx_tool
