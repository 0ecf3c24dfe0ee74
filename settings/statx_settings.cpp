#include "settings/statx_settings.h"

#include "platform/profile.h"
#include "platform/search_path.h"
#include "settings/decimal_text.h"

namespace zt::settings::statx {

bool tool_present() noexcept
{
    return platform::search_path_finds(::statx::tool_name);
}

bool write_setting(const char* key, const char* value) noexcept
{
    // A null value would delete the key instead of writing it.
    return value != nullptr && platform::write_private_profile_string(::statx::section, key, value,
                                                                      ::statx::settings_file);
}

std::int32_t set_fields(const FieldTriple& fields, std::int32_t first, std::int32_t second,
                        std::int32_t third) noexcept
{
    if (!tool_present()) {
        return tool_missing;
    }
    const std::array<std::int32_t, 3> values{first, second, third};
    std::int32_t status = 0;
    std::int32_t weight = 1;
    for (std::size_t i = 0; i < fields.size(); ++i, weight *= 10) {
        const Field& field = fields[i];
        const std::int32_t value = values[i];
        const bool accepted = value >= field.lowest && value <= field.highest;
        if (!accepted || !write_setting(field.key, decimal_text(value).data())) {
            status += weight;
        }
    }
    return status;
}

std::int32_t set_text(const char* key, const char* text) noexcept
{
    if (!tool_present()) {
        return tool_missing;
    }
    return write_setting(key, text) ? 0 : 1;
}

} // namespace zt::settings::statx
