#include "log_line.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace ztdebug {

std::string expand(const char* format, va_list args)
{
    if (format == nullptr) {
        return {};
    }
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        return format; // a format the C library refuses is logged as it stands
    }
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, args);
    return std::string(text.data(), static_cast<std::size_t>(length));
}

std::string log_line(std::time_t when, const char* module_tag, const std::string& message)
{
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::string line =
        std::string(stamp) + " " + (module_tag != nullptr ? module_tag : "") + message;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line + "\n";
}

} // namespace ztdebug
