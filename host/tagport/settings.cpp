#include "settings.h"

#include "tag_database.h"

namespace tagport {

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
