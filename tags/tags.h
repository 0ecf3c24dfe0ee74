// The current release's tag functions behind the exports: questions to the
// host's tag database, and the engineering-units writer.
#pragma once

#include "tags/tag_file.h"

#include <cstdint>

namespace zt::tags {

// Questions to the host's tag database: whether a tag exists and of which type,
// and the on- and off-messages of a discrete tag.

// The tag's type code as the tag-access library answers it, or a negative
// failure code (reported).
std::int32_t tag_exists(const char* tag_name) noexcept;

// The text of the message field "<tag_name>.OnMsg" (on_off 1) or
// "<tag_name>.OffMsg" (otherwise), in the message result buffer, which is
// returned in every case.
const char* get_disc_message(std::int32_t on_off, const char* tag_name) noexcept;

// The engineering-units writer: puts a tag's units text straight into its
// record of the host's tag-definition file "tagname.x".

// Writes `text` (at most 31 characters, then zero bytes) into the 32-byte field
// at `field_offset` of the tag's record. 0 when written, otherwise a negative
// failure code (reported). On every way out the tag is given back and the file
// closed.
std::int32_t set_field(const char* tag_name, const char* text, std::int32_t field_offset) noexcept;

} // namespace zt::tags
