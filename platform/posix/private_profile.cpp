#include "platform/posix/private_profile.h"

#include "platform/posix/profile_document.h"
#include "platform/posix/profile_file.h"
#include "platform/posix/profile_readout.h"
#include "platform/posix/profile_write_lock.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace zt::platform::posix {

namespace {

// A file that cannot be opened gives the default exactly as passed: no
// trimming, no quote removal.
std::uint32_t copy_verbatim(std::string_view text, char* buffer, std::uint32_t size)
{
    const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<std::uint32_t>(length);
}

} // namespace

std::uint32_t read_profile_string(const char* section, const char* key, const char* default_value,
                                  char* buffer, std::uint32_t size, const char* file)
{
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const ProfileFileBytes content = read_profile_file(profile_file_path(file));
    const ProfileDocument document = ProfileDocument::parse(content.bytes);
    if (section == nullptr) {
        return copy_section_names(document, buffer, size);
    }
    const std::string_view given_default = default_value ? default_value : "";
    if (content.state == ProfileFileState::unusable || content.state == ProfileFileState::failed) {
        return copy_verbatim(given_default, buffer, size);
    }
    const std::string_view fallback = trim_default(given_default);
    if (key == nullptr) {
        return copy_key_names(document, section, fallback, buffer, size);
    }
    const ProfileKey* found = document.find_key(section, key);
    if (found != nullptr && found->value) {
        return copy_entry(*found->value, buffer, size);
    }
    return copy_entry(fallback, buffer, size);
}

std::int32_t read_profile_int(const char* section, const char* key, std::int32_t default_value,
                              const char* file)
{
    char text[30];
    if (read_profile_string(section, key, "", text, sizeof text, file) == 0) {
        return default_value;
    }
    return parse_profile_int(text);
}

bool write_profile_string(const char* section, const char* key, const char* value, const char* file)
{
    if (section == nullptr) {
        return false;
    }
    const std::optional<std::string> target = profile_write_target(profile_file_path(file));
    if (!target) {
        return false;
    }
    const ProfileWriteLock lock(folder_of(*target));
    const ProfileFileBytes content = read_profile_file(*target);
    if (content.state == ProfileFileState::unusable || content.state == ProfileFileState::failed ||
        (content.state == ProfileFileState::present && !profile_file_writable(*target))) {
        return false;
    }
    ProfileDocument document = ProfileDocument::parse(content.bytes);
    bool changed = false;
    if (key == nullptr) {
        changed = document.delete_section(section);
    } else if (value == nullptr) {
        changed = document.delete_key(section, key);
    } else {
        changed = document.set_value(section, key, value);
    }
    return !changed || replace_profile_file(*target, document.serialize());
}

} // namespace zt::platform::posix
