// What the earlier release (3.7.0.0) does differently behind its exports: its
// tag functions and its hotspot registration.
#pragma once

#include <cstdint>

namespace zt::earlier {

// The earlier release's tag queries: each opens its own connection and takes
// the tag's handle, and the discrete messages come from the tag's runtime
// record (host-support library) instead of message fields.

// The tag's type code 1 to 4, -1 for no such tag, -2 when no connection can be
// opened, -4 for any other type answer.
std::int32_t tag_exists(const char* tag_name) noexcept;

// The on-message (on_off non-zero) or off-message of a discrete tag's runtime
// record, or "FAILURE", in the message result buffer, which is returned.
const char* get_disc_message(std::int32_t on_off, const char* tag_name) noexcept;

// The earlier release's engineering-units writer: the same field in the same
// file as the current release's, reached through a connection and a tag
// handle of its own, with positive failure codes.

// 0 when the field was written, otherwise the failure code (reported): 2 no
// connection, 3 no such tag, 4 neither an integer nor a real tag, and 5 to 10
// and 13 as the current release's -5 to -10 and -13. The tag and the
// connection are given back on every way out.
std::int32_t set_field(const char* tag_name, const char* text, std::int32_t field_offset) noexcept;

// The earlier release's hotspots: registration (ZtCntx32) with no tag work,
// newest first, and their cleanup when the library is unloaded.
// Result 1 when the hotspot is recorded, -1 at once for a refused argument
// (reported alone) or when there is no memory for the record.
std::int32_t register_hotspot(const char* window_name, std::int32_t left, std::int32_t top,
                              std::int32_t width, std::int32_t height, const char* tag_name,
                              const char* value) noexcept;

// Process detach: frees the hotspots and removes the hook. No tag and no
// connection is held between calls, so none is given back.
void clean_up_hotspots_at_unload() noexcept;

} // namespace zt::earlier
