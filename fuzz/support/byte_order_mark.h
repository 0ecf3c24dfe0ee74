// Whether a file's bytes start with a byte-order mark (UTF-8 EF BB BF,
// UTF-16 FF FE or FE FF). The profile calls write an ANSI file's text as it
// is, so an ANSI text that starts with these bytes (a first line "þÿ...", or
// one whose leading blanks a rewrite trimmed) is read back as UTF-8 or
// UTF-16, in Wine as on the emulated platform: the file format cannot hold it.
#pragma once

#include <string_view>

namespace zt::fuzz {

inline bool starts_with_mark(std::string_view bytes)
{
    return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
           bytes.starts_with("\xFE\xFF");
}

} // namespace zt::fuzz
