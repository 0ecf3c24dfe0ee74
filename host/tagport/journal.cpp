#include "journal.h"

#include "settings.h"

#include <charconv>
#include <cstdio>

namespace tagport {

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

std::string tag_argument(TP_TAG tag)
{
    char digits[2 * sizeof(TP_TAG) + 1] = {};
    const auto result = std::to_chars(digits, digits + sizeof digits - 1, tag, 16);
    return "0x" + std::string(digits, result.ptr);
}

void journal(const std::string& line)
{
    const std::string path = setting("TAGPORT_JOURNAL");
    if (path.empty()) {
        return;
    }
    if (std::FILE* file = std::fopen(path.c_str(), "ab")) {
        const std::string text = line + "\n";
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

} // namespace tagport
