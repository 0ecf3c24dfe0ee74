// How the mouse hook writes the hotspots' tags, which differs by release.
// Each release defines these in the one file of its own that it links:
// hotspots/tag_table_writes.cpp (3.8.0.0: through the tags activated at
// registration and the shared connection) or earlier/hotspot_tag_writes.cpp
// (3.7.0.0: a connection and an activation of its own for every write).
#pragma once

#include "hotspots/hotspot_list.h"
#include "tags/shared_tags.h"

#include <array>
#include <cstdint>

namespace zt::hotspots {

// Run first for every mouse message, whatever its code.
void prepare_mouse_message() noexcept;

// Whether the hook can write tags now, and over which connection: the current
// release's shared one, whose session it holds until its writes are done, so
// that a release meanwhile gives the tags back only after them; the earlier
// release opens a connection for each write.
struct WriteChannel {
    bool writable = false;
    std::uint32_t connection = 0;
    tags::SessionRef session;
};
// Taken under the state's lock. When tags are not writable the hook leaves
// the current hotspot as it was and calls report_unwritable() after the lock.
WriteChannel write_channel() noexcept;
void report_unwritable() noexcept;

// One write of the hook, copied from the hotspot under the state's lock and
// made after it.
struct TagWrite {
    std::uint32_t connection;
    TagHandle tag;
    std::array<char, tag_name_limit + 1> tag_name;
    std::array<char, value_limit + 1> text;
};

// Writes the text to the tag.
void write_tag(const TagWrite& write) noexcept;

} // namespace zt::hotspots
