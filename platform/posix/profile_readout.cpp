#include "platform/posix/profile_readout.h"

#include <algorithm>
#include <cstring>

namespace zt::platform::posix {

namespace {

bool has_matching_quotes(std::string_view value)
{
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

int digit_value(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

// Appends `name` to a list under construction; false when it did not fit.
class NameList {
  public:
    NameList(char* buffer, std::uint32_t size) : buffer_(buffer), size_(size) {}

    std::uint32_t used() const { return used_; }
    std::uint32_t left() const { return size_ - used_; }

    void append(std::string_view name)
    {
        std::memcpy(buffer_ + used_, name.data(), name.size());
        used_ += static_cast<std::uint32_t>(name.size());
        buffer_[used_++] = '\0';
    }

    void terminate_at(std::uint32_t position) { buffer_[position] = '\0'; }

  private:
    char* buffer_;
    std::uint32_t size_;
    std::uint32_t used_ = 0;
};

} // namespace

std::string_view trim_default(std::string_view default_value)
{
    while (default_value.size() > 1 && default_value.back() == ' ') {
        default_value.remove_suffix(1);
    }
    return default_value;
}

std::uint32_t copy_entry(std::string_view value, char* buffer, std::uint32_t size)
{
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const bool quoted = has_matching_quotes(value);
    if (quoted) {
        value.remove_prefix(1); // the closing quote stays until the cut below
    }
    std::size_t length = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), length);
    if (quoted && size >= value.size() && length > 0) {
        --length;
    }
    buffer[length] = '\0';
    return static_cast<std::uint32_t>(length);
}

std::uint32_t copy_section_names(const ProfileDocument& document, char* buffer, std::uint32_t size)
{
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    NameList list(buffer, size);
    for (const ProfileSection& section : document.sections()) {
        if (section.name.empty()) {
            continue;
        }
        // The last byte is kept for the list's final terminator; a name that
        // would take it is cut and the list closed there.
        if (section.name.size() + 1 >= list.left() - 1) {
            list.append(std::string_view(section.name).substr(0, list.left() - 2));
            list.terminate_at(size - 1);
            return size - 2;
        }
        list.append(section.name);
    }
    list.terminate_at(list.used());
    return list.used();
}

std::uint32_t copy_key_names(const ProfileSection* section, std::string_view default_value,
                             char* buffer, std::uint32_t size)
{
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    std::uint32_t result = 0;
    if (section != nullptr && size > 2) {
        NameList list(buffer, size);
        for (const ProfileKey& key : section->keys) {
            if (list.left() <= 2) {
                break;
            }
            if ((!key.name.empty() && key.name.front() == ';') || !key.value) {
                continue;
            }
            // Names are cut to what fits before the list's last byte.
            list.append(std::string_view(key.name).substr(0, list.left() - 2));
            if (list.left() < 2) {
                break;
            }
        }
        if (list.left() <= 1) {
            // Cut short: the list ends in two terminators on the last bytes.
            list.terminate_at(size - 2);
            list.terminate_at(size - 1);
            result = size - 2;
        } else {
            list.terminate_at(list.used());
            result = list.used();
        }
    } else if (size >= 2) {
        buffer[0] = buffer[1] = '\0';
    } else {
        buffer[0] = '\0';
    }
    if (buffer[0] == '\0') {
        return copy_entry(default_value, buffer, size);
    }
    return result;
}

std::int32_t parse_profile_int(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (text.size() >= 2 && text[0] == '0') {
        if (text[1] == 'x') {
            base = 16;
        } else if (text[1] == 'o') {
            base = 8;
        } else if (text[1] == 'b') {
            base = 2;
        }
        if (base != 10) {
            text.remove_prefix(2);
        }
    }
    std::uint32_t total = 0; // wraps like the Windows conversion
    for (char c : text) {
        const int digit = digit_value(c);
        if (digit >= static_cast<int>(base)) {
            break;
        }
        total = total * base + static_cast<std::uint32_t>(digit);
    }
    if (negative) {
        total = 0u - total;
    }
    return static_cast<std::int32_t>(total);
}

} // namespace zt::platform::posix
