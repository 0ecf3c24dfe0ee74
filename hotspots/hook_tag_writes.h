// How the mouse hook writes the hotspots' tags, which differs by release.
// Each release defines these in the one file of its own that it links:
// hotspots/tag_table_writes.cpp (3.8.0.0: through the tags activated at
// registration and the shared connection) or earlier/hotspot_tag_writes.cpp
// (3.7.0.0: a connection and an activation of its own for every write).
#pragma once

#include "hotspots/hotspot_state.h"

namespace zt::hotspots {

// Run first for every mouse message, whatever its code.
void prepare_mouse_message() noexcept;

// Whether tags can be written now; when they cannot, the hook leaves the
// current hotspot as it was.
bool tags_writable() noexcept;

// Writes `text` to the hotspot's tag. Called under the state's lock.
void write_tag(const HotspotState& state, const HotspotRecord& hotspot, const char* text) noexcept;

} // namespace zt::hotspots
