// Where "tagname.x" is: the host's application directory, the value of
// "ApplicationDirectory" in section "Vistrel" of "win.ini" ("c:\" when the key
// is missing), followed directly by "\tagname.x".
#pragma once

#include <array>

namespace zt::tags {

inline constexpr std::size_t path_capacity = 256; // terminator included
using PathBuffer = std::array<char, path_capacity>;

// Raises TagFailure{directory_unreadable} when the value is empty and
// TagFailure{path_too_long} when the path does not fit the buffer.
PathBuffer tag_file_path();

} // namespace zt::tags
