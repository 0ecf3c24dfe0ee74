// Questions to the host's tag database: whether a tag exists and of which type,
// and the on- and off-messages of a discrete tag.
#pragma once

#include <cstdint>

namespace zt::tags {

// The tag's type code as the tag-access library answers it, or a negative
// failure code (reported).
std::int32_t tag_exists(const char* tag_name) noexcept;

// The text of the message field "<tag_name>.OnMsg" (on_off 1) or
// "<tag_name>.OffMsg" (otherwise), in the message result buffer, which is
// returned in every case.
const char* get_disc_message(std::int32_t on_off, const char* tag_name) noexcept;

} // namespace zt::tags
