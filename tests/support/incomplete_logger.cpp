// A logger library that exports ztAppDebug alone. A library that binds it must
// never call it; if it does, the call leaves a line in the log that tests see.
#include "ztdebug.h"

#include <cstdio>
#include <cstdlib>

#if defined(_WIN32)
#define INCOMPLETE_EXPORT __declspec(dllexport)
#else
#define INCOMPLETE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" INCOMPLETE_EXPORT int ZTDEBUG_API ztAppDebug(const char* module_tag, const char* format,
                                                        va_list)
{
    if (const char* path = std::getenv("ZTDEBUG_LOG")) {
        if (std::FILE* log = std::fopen(path, "ab")) {
            std::fprintf(log, "2000-01-01 00:00:00 %s%s (incomplete logger)\n", module_tag, format);
            std::fclose(log);
        }
    }
    return 1;
}
