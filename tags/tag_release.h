// Giving back what the tag functions and the hotspots hold of the host's tag
// database: the tags of the tag table and the shared connection.
#pragma once

#include "frame/application.h"

namespace zt::tags {

// Calls TagportIsActive and then TagportDeactivate for every tag of the table,
// in key order (TagportDeactivate whatever the first answers), empties the
// table, and shuts the connection down if one is open. Run by the library's
// exit step and by the release of the hotspots.
void release_tag_table_and_connection(frame::CZtFunc32_71App& app) noexcept;

} // namespace zt::tags
