// The 131-byte tag name buffer (130 characters and the terminator) in which a
// tag function builds the name it activates.
#pragma once

#include <array>
#include <string_view>

namespace zt::tags {

inline constexpr std::size_t tag_name_capacity = 131;
using TagNameBuffer = std::array<char, tag_name_capacity>;

// Zero-fills `buffer` and puts `name` followed by `suffix` into it. False, with
// the buffer left empty, for a null name or one that does not fit together
// with the suffix: such a tag cannot be activated.
bool build_tag_name(TagNameBuffer& buffer, const char* name, std::string_view suffix = {});

} // namespace zt::tags
