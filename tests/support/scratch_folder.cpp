#include "scratch_folder.h"

#include <atomic>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace zt::test {

ScratchFolder::ScratchFolder(const std::string& purpose)
{
    static std::atomic<unsigned> count{0};
#if defined(_WIN32)
    const auto process = GetCurrentProcessId();
#else
    const auto process = getpid();
#endif
    // The time keeps a folder left by an earlier process of the same id apart.
    const auto stamp = std::filesystem::file_time_type::clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("zt-" + purpose + "-" + std::to_string(process) + "-" + std::to_string(stamp) + "-" +
             std::to_string(count++));
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace zt::test
