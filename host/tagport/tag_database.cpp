#include "tag_database.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace tagport {
namespace {

constexpr std::array<std::string_view, 4> type_words{"discrete", "integer", "real", "message"};
constexpr std::int32_t message_type = 4;

std::string_view trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Splits off the first blank-separated word of `rest`.
std::string_view next_word(std::string_view& rest)
{
    rest = trim(rest);
    const auto end = rest.find_first_of(" \t");
    const std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    return word;
}

std::optional<std::string> parse_text(std::string_view field, std::string& error)
{
    field = trim(field);
    if (field.empty() || field.front() != '"') {
        return std::string(field);
    }
    std::string text;
    for (std::size_t i = 1; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '"') {
            if (!trim(field.substr(i + 1)).empty()) {
                error = "text after the closing quote";
                return std::nullopt;
            }
            return text;
        }
        if (c == '\\' && i + 1 < field.size()) {
            const char escaped = field[++i];
            text += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped;
        } else {
            text += c;
        }
    }
    error = "text without its closing quote";
    return std::nullopt;
}

std::string quoted_text(std::string_view text)
{
    std::string result = "\"";
    for (char c : text) {
        // A line break would end the tag's line, and the file would no
        // longer load.
        if (c == '\n' || c == '\r') {
            result += c == '\n' ? "\\n" : "\\r";
            continue;
        }
        if (c == '"' || c == '\\') {
            result += '\\';
        }
        result += c;
    }
    return result + "\"";
}

// `text` and blanks up to `width` characters, at least one blank.
std::string padded(std::string text, std::size_t width)
{
    text.append(text.size() < width ? width - text.size() : 1, ' ');
    return text;
}

} // namespace

bool same_tag_name(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string type_word(std::int32_t type)
{
    if (type >= 1 && type <= static_cast<std::int32_t>(type_words.size())) {
        return std::string(type_words[static_cast<std::size_t>(type - 1)]);
    }
    return std::to_string(type);
}

std::optional<std::int32_t> parse_type_word(std::string_view word)
{
    for (std::size_t i = 0; i < type_words.size(); ++i) {
        if (same_tag_name(word, type_words[i])) {
            return static_cast<std::int32_t>(i + 1);
        }
    }
    std::int32_t number = 0;
    const auto [end, failure] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (failure != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return number;
}

std::optional<TagEntry> parse_tag_line(std::string_view line, std::string& error)
{
    error.clear();
    std::string_view rest = trim(line);
    if (rest.empty() || rest.front() == '#') {
        return std::nullopt;
    }
    TagEntry entry;
    entry.name = next_word(rest);
    const std::string_view type = next_word(rest);
    const std::string_view index = next_word(rest);
    const std::optional<std::int32_t> type_code = parse_type_word(type);
    if (!type_code) {
        error = "unknown type \"" + std::string(type) + "\"";
        return std::nullopt;
    }
    entry.type = *type_code;
    unsigned number = 0;
    const auto [end, failure] = std::from_chars(index.data(), index.data() + index.size(), number);
    if (index.empty() || failure != std::errc() || end != index.data() + index.size() ||
        number > 0xFFFFu) {
        error = "tag index \"" + std::string(index) + "\" is not a number from 0 to 65535";
        return std::nullopt;
    }
    entry.index = static_cast<std::uint16_t>(number);
    const std::optional<std::string> text = parse_text(rest, error);
    if (!text) {
        return std::nullopt;
    }
    entry.text = *text;
    return entry;
}

std::string format_tag_line(const TagEntry& entry)
{
    const std::string index = std::to_string(entry.index);
    if (entry.type != message_type && entry.text.empty()) {
        return padded(entry.name, 24) + padded(type_word(entry.type), 10) + index;
    }
    return padded(entry.name, 24) + padded(type_word(entry.type), 10) + padded(index, 7) +
           quoted_text(entry.text);
}

bool TagDatabase::load(const std::string& path, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read " + path;
        return false;
    }
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) {
        error = "cannot read " + path;
        return false;
    }
    return load_text(text, path, error);
}

bool TagDatabase::load_text(std::string_view text, const std::string& origin, std::string& error)
{
    std::vector<TagEntry> loaded;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        std::optional<TagEntry> entry = parse_tag_line(line, error);
        if (!error.empty()) {
            error = origin + " line " + std::to_string(number) + ": " + error;
            return false;
        }
        if (entry) {
            loaded.push_back(std::move(*entry));
        }
    }
    entries_ = std::move(loaded);
    return true;
}

bool TagDatabase::save(const std::string& path) const
{
    const std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << "# Tag database of the tag-access stand-in: one tag per line.\n"
                "# name                  type      index  text (message tags)\n";
        for (const TagEntry& entry : entries_) {
            file << format_tag_line(entry) << "\n";
        }
        if (!file.flush()) {
            return false;
        }
    }
    std::error_code failure;
    std::filesystem::rename(temporary, path, failure);
    if (failure) {
        std::filesystem::remove(temporary, failure);
        return false;
    }
    return true;
}

const TagEntry* TagDatabase::find(std::string_view name) const
{
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const TagEntry& e) { return same_tag_name(e.name, name); });
    return found == entries_.end() ? nullptr : &*found;
}

TagEntry* TagDatabase::find(std::string_view name)
{
    return const_cast<TagEntry*>(std::as_const(*this).find(name));
}

void TagDatabase::set(const TagEntry& entry)
{
    if (TagEntry* existing = find(entry.name)) {
        *existing = entry;
    } else {
        entries_.push_back(entry);
    }
}

bool TagDatabase::remove(std::string_view name)
{
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const TagEntry& e) { return same_tag_name(e.name, name); });
    if (found == entries_.end()) {
        return false;
    }
    entries_.erase(found);
    return true;
}

} // namespace tagport
