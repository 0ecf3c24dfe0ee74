// The engineering-units writer: puts a tag's units text straight into its
// record of the host's tag-definition file "tagname.x".
#pragma once

#include "tags/tag_file.h"

#include <cstdint>

namespace zt::tags {

// Writes `text` (at most 31 characters, then zero bytes) into the 32-byte field
// at `field_offset` of the tag's record. 0 when written, otherwise a negative
// failure code (reported). On every way out the tag is given back and the file
// closed.
std::int32_t set_field(const char* tag_name, const char* text, std::int32_t field_offset) noexcept;

} // namespace zt::tags
