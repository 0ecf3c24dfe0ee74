#include "settings.h"

#include "tag_database.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cstdlib>
#endif

namespace tagport {

std::string setting(const char* name)
{
#if defined(_WIN32)
    char value[4096];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
#else
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
#endif
}

bool setting_is_on(const char* name)
{
    const std::string value = setting(name);
    return !value.empty() && value != "0";
}

bool activation_refused(std::string_view name)
{
    const std::string list = setting("TAGPORT_FAIL_ACTIVATE");
    std::string_view rest = list;
    while (!rest.empty()) {
        const auto end = rest.find(';');
        const std::string_view listed = rest.substr(0, end);
        if (listed == "*" || (!listed.empty() && same_tag_name(listed, name))) {
            return true;
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return false;
}

} // namespace tagport
