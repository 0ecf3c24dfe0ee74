#include "file_locations.h"

#include "settings.h"
#include "tag_database.h"

#include "platform/profile.h"
#include "platform/raw_file.h"

#include <array>

namespace tagport {
namespace {

std::string in_application_directory(const char* file_name)
{
    std::string path = application_directory();
    if (path.empty() || (path.back() != '\\' && path.back() != '/')) {
        path += '\\';
    }
    return local_path(path + file_name);
}

} // namespace

std::string application_directory()
{
    std::array<char, 1024> directory{};
    zt::platform::get_private_profile_string(
        "Vistrel", "ApplicationDirectory", "c:\\", directory.data(),
        static_cast<std::uint32_t>(directory.size()), "win.ini");
    return directory.data();
}

std::string local_path(const std::string& windows_path)
{
    return zt::platform::local_file_name(windows_path);
}

std::string database_path()
{
    const std::string chosen = setting("TAGPORT_DATABASE");
    return chosen.empty() ? in_application_directory(database_file_name) : chosen;
}

std::string tag_file_path()
{
    return in_application_directory("tagname.x");
}

} // namespace tagport
