#include "platform/posix/private_profile.h"

#include "platform/posix/profile_document.h"
#include "platform/posix/profile_encoding.h"
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
    const ProfileText text = decode_profile(content.bytes);
    const ProfileEncoding encoding = text.encoding;
    const ProfileDocument document = ProfileDocument::parse(text.text);
    // Names listed to the caller come from the text in ANSI. The conversion
    // never adds or removes a line break, bracket, '=' or blank, so each
    // section of that document is where it is in `document`.
    const auto in_ansi = [&] { return ProfileDocument::parse(to_ansi(text.text, encoding)); };
    if (section == nullptr) {
        return copy_section_names(encoding == ProfileEncoding::ansi ? document : in_ansi(), buffer,
                                  size);
    }
    const std::string_view given_default = default_value ? default_value : "";
    if (content.state == ProfileFileState::unusable || content.state == ProfileFileState::failed) {
        return copy_verbatim(given_default, buffer, size);
    }
    const std::string_view fallback = trim_default(given_default);
    if (key == nullptr) {
        const ProfileSection* found = document.first_section_named(from_ansi(section, encoding));
        if (found == nullptr || encoding == ProfileEncoding::ansi) {
            return copy_key_names(found, fallback, buffer, size);
        }
        const ProfileDocument listed = in_ansi();
        return copy_key_names(&listed.sections()[found - document.sections().data()], fallback,
                              buffer, size);
    }
    const ProfileKey* found =
        document.find_key(from_ansi(section, encoding), from_ansi(key, encoding));
    if (found != nullptr && found->value) {
        return copy_entry(to_ansi(*found->value, encoding), buffer, size);
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
    ProfileText text = decode_profile(content.bytes);
    ProfileDocument document = ProfileDocument::parse(text.text);
    const auto stored = [&](const char* given) { return from_ansi(given, text.encoding); };
    bool changed = false;
    if (key == nullptr) {
        changed = document.delete_section(stored(section));
    } else if (value == nullptr) {
        changed = document.delete_key(stored(section), stored(key));
    } else {
        changed = document.set_value(stored(section), stored(key), stored(value));
    }
    if (!changed) {
        return true;
    }
    text.text = document.serialize();
    return replace_profile_file(*target, encode_profile(text));
}

} // namespace zt::platform::posix
