// The tag-access connection that all tag functions share, kept in the
// application object.
#pragma once

#include "tagport.h"

namespace zt::tags {

// Opens the connection when none is stored, otherwise checks the stored one.
// Raises TagFailure{connect_failed} when opening or the check fails; a failed
// check keeps the stored handle, so the next call checks it again.
TP_CONNECTION make_sure_of_connection();

} // namespace zt::tags
