#include "tags/tag_file_path.h"

#include "platform/profile.h"
#include "tags/tag_failure.h"

#include <cstring>
#include <string_view>

namespace zt::tags {

PathBuffer tag_file_path()
{
    constexpr std::string_view file_name = "\\tagname.x";
    PathBuffer path{};
    const std::uint32_t length =
        platform::get_private_profile_string("Vistrel", "ApplicationDirectory", "c:\\", path.data(),
                                             static_cast<std::uint32_t>(path.size()), "win.ini");
    if (length == 0) {
        throw TagFailure{directory_unreadable};
    }
    const std::size_t used = strnlen(path.data(), path.size());
    if (used + file_name.size() >= path.size()) {
        throw TagFailure{path_too_long};
    }
    std::memcpy(path.data() + used, file_name.data(), file_name.size());
    return path;
}

} // namespace zt::tags
