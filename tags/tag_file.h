// The host's tag-definition file "tagname.x": where it is, and the units
// field of a tag's record, which both releases' units writers patch.
#pragma once

#include <array>
#include <cstdint>

namespace zt::tags {

// Where "tagname.x" is: the host's application directory, the value of
// "ApplicationDirectory" in section "Vistrel" of "win.ini" ("c:\" when the key
// is missing), followed directly by "\tagname.x".
inline constexpr std::size_t path_capacity = 256; // terminator included
using PathBuffer = std::array<char, path_capacity>;

// Raises TagFailure{directory_unreadable} when the value is empty and
// TagFailure{path_too_long} when the path does not fit the buffer.
PathBuffer tag_file_path();

// What both releases share of the engineering-units writer: patching
// a tag's units field in the host's tag-definition file "tagname.x", and the
// reports of the writer's failure codes.

// Offset of the 32-byte units field within a tag's 512-byte record.
inline constexpr std::int32_t units_field_offset = 130;

// Writes `text` (at most 31 characters, then zero bytes) into the 32-byte field
// at `field_offset` of record `tag_index` of "tagname.x". Raises TagFailure with
// the writer's codes, -5 to -10 and -13; the file is closed on every way out and
// left as it was unless the write itself failed.
void patch_units_field(std::uint16_t tag_index, const char* text, std::int32_t field_offset);

// Reports the text of the writer's failure `code` (one of the negative codes
// of tag_failure.h).
void report_units_failure(std::int32_t code) noexcept;

} // namespace zt::tags
