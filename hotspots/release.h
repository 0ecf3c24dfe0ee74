// Release of the hotspots (ZtCntx32Cleanup): frees the hotspots, removes the
// mouse hook, gives back the tags of the tag table and closes the connection.
// With no hotspot registered it changes nothing.
#pragma once

namespace zt::hotspots {

void release_hotspots() noexcept;

} // namespace zt::hotspots
