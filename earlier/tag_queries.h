// The earlier release's tag queries: each opens its own connection and takes
// the tag's handle, and the discrete messages come from the tag's runtime
// record (host-support library) instead of message fields.
#pragma once

#include <cstdint>

namespace zt::earlier {

// The tag's type code 1 to 4, -1 for no such tag, -2 when no connection can be
// opened, -4 for any other type answer.
std::int32_t tag_exists(const char* tag_name) noexcept;

// The on-message (on_off non-zero) or off-message of a discrete tag's runtime
// record, or "FAILURE", in the message result buffer, which is returned.
const char* get_disc_message(std::int32_t on_off, const char* tag_name) noexcept;

} // namespace zt::earlier
