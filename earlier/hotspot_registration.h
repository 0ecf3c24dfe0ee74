// The earlier release's hotspots: registration (ZtCntx32) with no tag work,
// newest first, and their release when the library is unloaded.
#pragma once

#include <cstdint>

namespace zt::earlier {

// Result 1 when the hotspot is recorded, -1 at once for a refused argument
// (reported alone) or when there is no memory for the record.
std::int32_t register_hotspot(const char* window_name, std::int32_t left, std::int32_t top,
                              std::int32_t width, std::int32_t height, const char* tag_name,
                              const char* value) noexcept;

// Process detach: frees the hotspots and removes the hook. No tag and no
// connection is held between calls, so none is given back.
void release_hotspots_at_unload() noexcept;

} // namespace zt::earlier
