// The content of one private-profile (INI) file, parsed and written back the
// way Windows (checked against Wine) does it. No file access here.
//
// Reading a file:
//   - A line ends at any run of '\r' and '\n' characters, so LF, CRLF and CR
//     files read alike. Each line is trimmed of blanks (space, tab, '\v', '\f'
//     and the end-of-file mark 0x1a); blank lines are dropped.
//   - A line that starts with '[' and has a ']' after it opens a section; the
//     name is what lies between '[' and the LAST ']', trimmed ("[a]b]" is
//     section "a]b", "[S] junk" is "S"). A '[' line without ']' is a key line.
//   - Every other line is a key line: the name is the trimmed text before the
//     first '=', the value the trimmed text after it ("=v" is a key with an
//     empty name). A line without '=' is a key without a value; it is kept but
//     never read ("FAILURE"-style defaults come back for it).
//   - Comment lines (';') are key lines like any other: "; c=v" can even be
//     read as key "; c". They are left out of key lists only.
//   - Lines before the first section belong to the unnamed section "" which
//     always comes first; "[]" opens another section that cannot be reached.
//   - Sections and keys may appear twice; lookups only ever see the first
//     section of a name and the first key of a name within it.
//
// Writing the file back:
//   - Each named section as "[name]\r\n", each key as "name=value\r\n" (or
//     "name\r\n" without a value), no blank lines; CRLF throughout. An unnamed
//     section is written without a header.
//   - The file is only rewritten when a change was made, so a write that sets
//     the value a key already has, or deletes what is not there, leaves the
//     file byte-for-byte as it was.
//
// Names are compared without regard to ASCII letter case; other bytes
// (e.g. accented letters) must match exactly, as Wine compares them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt::platform::posix {

struct ProfileKey {
    std::string name;
    std::optional<std::string> value;
};

struct ProfileSection {
    std::string name;
    std::vector<ProfileKey> keys;
};

bool is_profile_blank(char c);
std::string_view trim_blanks(std::string_view text);
bool names_equal(std::string_view a, std::string_view b);

class ProfileDocument {
  public:
    ProfileDocument(); // holds only the unnamed section, as an empty file does
    static ProfileDocument parse(std::string_view text);
    std::string serialize() const;

    const std::vector<ProfileSection>& sections() const { return sections_; }

    // First section whose name equals `name` exactly (letter case aside); the
    // key-list read does not trim the name it is given.
    const ProfileSection* first_section_named(std::string_view name) const;

    // The key a read sees: `section` and `key` are trimmed, only the first
    // section of that name is searched, the first key of that name wins.
    const ProfileKey* find_key(std::string_view section, std::string_view key) const;

    // Sets the first matching key (section and key trimmed); the value loses
    // its leading blanks only. Trailing blanks reach the file, and the next
    // read trims them, as Wine does. A missing section is appended at the end of the
    // file, a missing key at the end of its section. Returns true when the
    // document changed.
    bool set_value(std::string_view section, std::string_view key, std::string_view value);

    // Deletes the first key `key` found in any section named `section` (names
    // not trimmed). Returns true when something was deleted.
    bool delete_key(std::string_view section, std::string_view key);

    // Deletes the first section named `section` (name not trimmed) with all
    // its lines; the unnamed first section only loses its lines. Returns true
    // when something was deleted.
    bool delete_section(std::string_view section);

  private:
    ProfileSection* first_section_named(std::string_view name);
    std::vector<ProfileSection> sections_;
};

} // namespace zt::platform::posix
