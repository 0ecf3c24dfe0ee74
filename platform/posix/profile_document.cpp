#include "platform/posix/profile_document.h"

// std:: algorithms, not std::ranges: the range algorithm objects are
// process-unique symbols in an unoptimised build, and glibc never unloads a
// library that holds one.

#include <algorithm>
#include <utility>

namespace zt::platform::posix {

namespace {

char ascii_lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool is_line_break(char c)
{
    return c == '\r' || c == '\n';
}

void add_line(std::vector<ProfileSection>& sections, std::string_view raw_line)
{
    const std::string_view line = trim_blanks(raw_line);
    if (line.empty()) {
        return;
    }
    if (line.front() == '[') {
        const std::size_t close = line.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            sections.push_back({std::string(trim_blanks(line.substr(1, close - 1))), {}});
            return;
        }
    }
    ProfileKey key;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        key.name = line;
    } else {
        key.name = trim_blanks(line.substr(0, equals));
        key.value = std::string(trim_blanks(line.substr(equals + 1)));
    }
    sections.back().keys.push_back(std::move(key));
}

} // namespace

bool is_profile_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view trim_blanks(std::string_view text)
{
    while (!text.empty() && is_profile_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_profile_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool names_equal(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return ascii_lower(x) == ascii_lower(y); });
}

ProfileDocument::ProfileDocument() : sections_{ProfileSection{}} {}

ProfileDocument ProfileDocument::parse(std::string_view text)
{
    ProfileDocument document;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && !is_line_break(text[end])) {
            ++end;
        }
        add_line(document.sections_, text.substr(start, end - start));
        while (end < text.size() && is_line_break(text[end])) {
            ++end;
        }
        start = end;
    }
    return document;
}

std::string ProfileDocument::serialize() const
{
    std::string text;
    for (const ProfileSection& section : sections_) {
        if (!section.name.empty()) {
            text += '[' + section.name + "]\r\n";
        }
        for (const ProfileKey& key : section.keys) {
            text += key.name;
            if (key.value) {
                text += '=' + *key.value;
            }
            text += "\r\n";
        }
    }
    return text;
}

const ProfileSection* ProfileDocument::first_section_named(std::string_view name) const
{
    const auto found =
        std::find_if(sections_.begin(), sections_.end(),
                     [&](const ProfileSection& s) { return names_equal(s.name, name); });
    return found == sections_.end() ? nullptr : &*found;
}

ProfileSection* ProfileDocument::first_section_named(std::string_view name)
{
    return const_cast<ProfileSection*>(std::as_const(*this).first_section_named(name));
}

const ProfileKey* ProfileDocument::find_key(std::string_view section, std::string_view key) const
{
    const ProfileSection* found = first_section_named(trim_blanks(section));
    if (found == nullptr) {
        return nullptr;
    }
    const std::string_view key_name = trim_blanks(key);
    const auto entry =
        std::find_if(found->keys.begin(), found->keys.end(),
                     [&](const ProfileKey& k) { return names_equal(k.name, key_name); });
    return entry == found->keys.end() ? nullptr : &*entry;
}

bool ProfileDocument::set_value(std::string_view section, std::string_view key,
                                std::string_view value)
{
    const std::string_view section_name = trim_blanks(section);
    const std::string_view key_name = trim_blanks(key);
    ProfileSection* target = first_section_named(section_name);
    if (target == nullptr) {
        target = &sections_.emplace_back(ProfileSection{std::string(section_name), {}});
    }
    auto entry = std::find_if(target->keys.begin(), target->keys.end(),
                              [&](const ProfileKey& k) { return names_equal(k.name, key_name); });
    if (entry == target->keys.end()) {
        entry = target->keys.insert(target->keys.end(), ProfileKey{std::string(key_name), {}});
    }
    std::string_view new_value = value;
    while (!new_value.empty() && is_profile_blank(new_value.front())) {
        new_value.remove_prefix(1);
    }
    if (entry->value && *entry->value == new_value) {
        return false;
    }
    entry->value = std::string(new_value);
    return true;
}

bool ProfileDocument::delete_key(std::string_view section, std::string_view key)
{
    for (ProfileSection& candidate : sections_) {
        if (!names_equal(candidate.name, section)) {
            continue;
        }
        const auto entry =
            std::find_if(candidate.keys.begin(), candidate.keys.end(),
                         [&](const ProfileKey& k) { return names_equal(k.name, key); });
        if (entry != candidate.keys.end()) {
            candidate.keys.erase(entry);
            return true;
        }
    }
    return false;
}

bool ProfileDocument::delete_section(std::string_view section)
{
    const auto found =
        std::find_if(sections_.begin(), sections_.end(),
                     [&](const ProfileSection& s) { return names_equal(s.name, section); });
    if (found == sections_.end()) {
        return false;
    }
    // The unnamed first section loses its lines but keeps its place, so that
    // what is set there later is still written first, without a header. It
    // counts as deleted, as Windows then writes the file back.
    if (found == sections_.begin()) {
        found->keys.clear();
        return true;
    }
    sections_.erase(found);
    return true;
}

} // namespace zt::platform::posix
