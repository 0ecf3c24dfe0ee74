// How a read hands its result to the caller's buffer, and how a stored text
// becomes an integer, following Windows as Wine implements it. Every function
// writes only inside buffer[0, size) and returns the number of characters of
// the result, terminator excluded.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/posix/profile_document.h"

namespace zt::platform::posix {

// The default of a read loses its trailing spaces (only ' ', and one
// character always stays: "   " becomes " ").
std::string_view trim_default(std::string_view default_value);

// Copies a value (or a default) cut to size - 1 characters and terminates it.
// A value wrapped in matching quotes (' or ", at least two characters) loses
// them. When the buffer is too small, Wine cuts first and then drops the last
// character only if the closing quote could have fitted: '"quoted"' into 7
// bytes gives "quote", into 5 gives "quot".
std::uint32_t copy_entry(std::string_view value, char* buffer, std::uint32_t size);

// The names of all named sections, each terminated, the list terminated by
// one more '\0'. When the list does not fit, the name that does not fit is
// cut so that the list still ends in two '\0's, and size - 2 is returned.
std::uint32_t copy_section_names(const ProfileDocument& document, char* buffer, std::uint32_t size);

// The names of the keys of `section` in the same list form; keys without a
// value and keys starting with ';' are left out. A key with an empty name
// ("=v") is listed, as an empty name, which to most callers ends the list
// early: Wine does the same. An empty list (or no section, or a buffer of two
// bytes or less) gives `default_value` instead, as copy_entry copies it.
std::uint32_t copy_key_names(const ProfileSection* section, std::string_view default_value,
                             char* buffer, std::uint32_t size);

// An integer as Windows reads it from a value: leading control characters and
// blanks skipped, one optional sign, then "0x" (hex), "0o" (octal) or "0b"
// (binary) in lower case, else decimal; digits up to the first one that does
// not belong; no digits gives 0. The value wraps modulo 2^32 instead of
// saturating ("4294967295" is -1, "99999999999" is 1215752191).
std::int32_t parse_profile_int(std::string_view text);

} // namespace zt::platform::posix
