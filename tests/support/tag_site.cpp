#include "tag_site.h"

#include "platform/profile.h"
#include "tag_database.h"
#include "tag_file.h"
#include "tagport.h"
#include "test_environment.h"

#include <fstream>
#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace zt::test {

TagSite::TagSite(const std::string& tags)
{
    clear_tagport_faults();
    unset_environment("TAGPORT_DATABASE");
    close_library_connection();
    std::ofstream(database(), std::ios::binary) << tags;
    tagport::TagDatabase loaded;
    std::string error;
    if (!loaded.load(database().string(), error) ||
        !tagport::write_tag_file(loaded, tag_file().string())) {
        throw std::runtime_error("test site not set up: " + error);
    }
    set_application_directory(directory().string().c_str());
    journal.take_new_calls();
}

TagSite::~TagSite()
{
    close_library_connection();
    clear_tagport_faults();
    unset_environment("TAGPORT_JOURNAL");
    unset_environment("TAGPORT_DATABASE");
    set_application_directory(nullptr);
}

void TagSite::set_application_directory(const char* directory)
{
    platform::write_private_profile_string("Vistrel", "ApplicationDirectory", directory, "win.ini");
}

void clear_tagport_faults()
{
    for (const char* name : {"TAGPORT_REFUSE_CONNECT", "TAGPORT_FAIL_CHECK",
                             "TAGPORT_FAIL_ACTIVATE", "TAGPORT_NOT_ACTIVE"}) {
        unset_environment(name);
    }
}

bool file_is_open(const std::filesystem::path& path)
{
#if defined(_WIN32)
    // The library opens with the default sharing, so an exclusive open fails
    // while its handle is open.
    HANDLE file = CreateFileA(path.string().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_SHARING_VIOLATION;
    }
    CloseHandle(file);
    return false;
#else
    std::error_code ignored;
    const auto wanted = std::filesystem::canonical(path, ignored);
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", ignored)) {
        if (std::filesystem::read_symlink(entry.path(), ignored) == wanted) {
            return true;
        }
    }
    return false;
#endif
}

} // namespace zt::test
