#include "tags/tag_name.h"

#include <cstring>

namespace zt::tags {

bool build_tag_name(TagNameBuffer& buffer, const char* name, std::string_view suffix)
{
    buffer.fill('\0');
    if (name == nullptr) {
        return false;
    }
    const std::size_t length = strnlen(name, buffer.size());
    if (length + suffix.size() >= buffer.size()) {
        return false;
    }
    std::memcpy(buffer.data(), name, length);
    suffix.copy(buffer.data() + length, suffix.size());
    return true;
}

} // namespace zt::tags
