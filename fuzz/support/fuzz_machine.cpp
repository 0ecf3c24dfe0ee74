#include "fuzz_machine.h"

#include "test_environment.h"
#include "ztfunc32.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace zt::fuzz {
namespace {

namespace fs = std::filesystem;

fs::path memory_backed_folder()
{
    std::error_code error;
    if (fs::is_directory("/dev/shm", error)) {
        return "/dev/shm";
    }
    return fs::temp_directory_path();
}

std::string& root_path()
{
    static std::string root;
    return root;
}

void remove_machine()
{
    std::error_code ignored;
    fs::remove_all(root_path(), ignored);
}

} // namespace

void set_up_machine()
{
    std::string& root = root_path();
    if (!root.empty()) {
        return;
    }
    const fs::path folder =
        memory_backed_folder() / ("ztfunc32-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(folder / "c" / "windows");
    fs::create_directories(folder / "tmp");
    root = folder.string();
    std::atexit(remove_machine);

    test::set_environment("ZT_SYSROOT", root);
    test::set_environment("TMPDIR", (folder / "tmp").string());
    // The machine's PATH is one folder of its own, so that what the search
    // path finds never depends on the fuzzing machine's PATH, and a search
    // looks into five folders instead of every folder of that PATH. (The
    // sanitizers find their symbolizer through the environment the process
    // started with.)
    test::set_environment("PATH", path_folder());

    // The logger is bound once per process; its registry value is needed only
    // while that happens.
    test::set_environment("ZTDEBUG_LOG", "/dev/null");
    test::set_logger_directory_in_registry(test::logger_directory());
    ZtDllInit();
    clear_machine();
}

const std::string& machine_root()
{
    return root_path();
}

std::string windows_directory()
{
    return root_path() + "/c/windows";
}

std::string path_folder()
{
    return root_path() + "/c/tools";
}

void clear_machine()
{
    const fs::path root = root_path();
    for (const fs::directory_entry& entry : fs::directory_iterator(root)) {
        if (entry.path().filename() != "tmp") {
            fs::remove_all(entry.path());
        }
    }
    fs::create_directories(root / "c" / "windows");
}

std::string contained_name(std::string name)
{
    const std::size_t first = name.find_first_not_of("\\/");
    name.erase(0, first == std::string::npos ? name.size() : first);
    for (std::size_t i = 0; i + 1 < name.size(); ++i) {
        if (name[i] == '.' && name[i + 1] == '.') {
            name[i + 1] = '_';
        }
    }
    const bool has_folder = name.find_first_of("\\/:") != std::string::npos;
    const bool has_drive =
        name.size() >= 2 && name[1] == ':' &&
        ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= 'A' && name[0] <= 'Z'));
    return has_folder && !has_drive ? "c:\\" + name : name;
}

} // namespace zt::fuzz
