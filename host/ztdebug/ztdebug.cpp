// The debug logger stand-in. Each report becomes one appended line of the log:
//
//   ZTDEBUG_LOG unset   "ztdebug.log" in the folder of the logger library
//   ZTDEBUG_LOG=-       standard error
//   ZTDEBUG_LOG=PATH    the file PATH
//
//   ZTDEBUG_FORMATS=1   each line holds the format as the library passed it,
//                       unexpanded (a logger that records formats sees that)
//
// The settings are read at every report, so a test may change them between
// reports.
#include "ztdebug.h"
#include "log_line.h"
#include "standin_settings.h"

#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#ifndef ZTDEBUG_EXPORT
#define ZTDEBUG_EXPORT
#endif

namespace {

std::string own_folder()
{
#if defined(_WIN32)
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&own_folder), &self);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(self, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/") + 1);
#else
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&own_folder), &info);
    std::string folder = info.dli_fname != nullptr ? info.dli_fname : "";
    const auto slash = folder.find_last_of('/');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
#endif
}

// Reports come from any thread of the host; one line is appended at a time,
// so that none is lost or cut into another.
std::mutex append_lock;

bool append(const std::string& line)
{
    const std::lock_guard lock(append_lock);
    const std::string target = standin::setting("ZTDEBUG_LOG");
    if (target == "-") {
        return std::fputs(line.c_str(), stderr) >= 0 && std::fflush(stderr) == 0;
    }
    const std::string path = target.empty() ? own_folder() + "ztdebug.log" : target;
    std::FILE* log = std::fopen(path.c_str(), "ab");
    if (log == nullptr) {
        return false;
    }
    const bool written = std::fwrite(line.data(), 1, line.size(), log) == line.size();
    return std::fclose(log) == 0 && written;
}

} // namespace

extern "C" {

// A report that cannot be logged (no memory for the line, no file) answers 0;
// nothing is thrown back into the library that reports.
ZTDEBUG_EXPORT int ZTDEBUG_API ztAppDebug(const char* module_tag, const char* format, va_list args)
{
    try {
        const std::string message = standin::setting_is_on("ZTDEBUG_FORMATS")
                                        ? std::string(format != nullptr ? format : "(null)")
                                        : ztdebug::expand(format, args);
        return append(ztdebug::log_line(std::time(nullptr), module_tag, message)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

ZTDEBUG_EXPORT int ZTDEBUG_API ztDebugStartLogger(const char*)
{
    return 1;
}

ZTDEBUG_EXPORT int ZTDEBUG_API ztDebugStartLoggerClient(const char*)
{
    return 1;
}

} // extern "C"
