// The stand-in's tag database: a plain text file a person can read and edit.
//
//   # comment lines and blank lines are kept out of the way
//   # name           type      index  text (message tags)
//   Pump1            discrete  1
//   Pump1.OnMsg      message   2      "Pump running"
//   Pump1.OffMsg     message   3      "Pump stopped"
//   Flow             real      4
//
// One tag per line: its name (no blanks), its type (discrete, integer, real,
// message, or a number for any other type code), its tag index (0 to 65535),
// and for message tags their text: in double quotes (\" and \\ inside, \n and
// \r for line breaks), or unquoted as the rest of the line with outer blanks
// trimmed. The on- and off-messages of a discrete tag are message tags of
// their own, named by the tag's name followed by ".OnMsg" and ".OffMsg".
// Names are matched without regard to ASCII letter case; the file keeps the
// order of its lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tagport {

inline constexpr const char* database_file_name = "tagport.tags";

struct TagEntry {
    std::string name;
    std::int32_t type = 0;
    std::uint16_t index = 0;
    std::string text; // message tags only
};

// "discrete", "integer", "real", "message", or the number.
std::string type_word(std::int32_t type);
std::optional<std::int32_t> parse_type_word(std::string_view word);

// The entry on one line; nothing for a blank or comment line; an error text in
// `error` for a malformed line.
std::optional<TagEntry> parse_tag_line(std::string_view line, std::string& error);
std::string format_tag_line(const TagEntry& entry);

class TagDatabase {
  public:
    // False, with a reason in `error`, when the file cannot be read or a line
    // is malformed (the database is then left as it was).
    bool load(const std::string& path, std::string& error);
    // As load, from the bytes of such a file; `origin` names it in `error`.
    bool load_text(std::string_view text, const std::string& origin, std::string& error);
    // Writes the whole database to a temporary file beside `path` that then
    // replaces it, so a failed save leaves the old file intact.
    bool save(const std::string& path) const;

    const TagEntry* find(std::string_view name) const;
    TagEntry* find(std::string_view name);
    // Adds the entry or replaces the one of the same name.
    void set(const TagEntry& entry);
    bool remove(std::string_view name);
    const std::vector<TagEntry>& entries() const { return entries_; }

  private:
    std::vector<TagEntry> entries_;
};

bool same_tag_name(std::string_view a, std::string_view b);

} // namespace tagport
