#include "standin_settings.h"

#include <cstdio>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cstdlib>
#endif

namespace standin {

std::string setting(const char* name)
{
#if defined(_WIN32)
    // The process environment, not the C runtime's copy: a test program sets
    // it with SetEnvironmentVariable while the library is loaded.
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

std::string text_argument(const char* text)
{
    if (text == nullptr) {
        return "null";
    }
    std::string quoted = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '"' || *c == '\\') {
            quoted += '\\';
        }
        quoted += *c;
    }
    return quoted + "\"";
}

void append_journal_line(const char* journal_setting, const std::string& line)
{
    const std::string path = setting(journal_setting);
    if (path.empty()) {
        return;
    }
    if (std::FILE* file = std::fopen(path.c_str(), "ab")) {
        const std::string text = line + "\n";
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

} // namespace standin
