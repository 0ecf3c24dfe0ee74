// Environment settings of the tag-access stand-in, read afresh at every call so
// that a test may change them between calls.
//
//   TAGPORT_DATABASE        path of the tag database; default "tagport.tags" in
//                           the host's application directory
//   TAGPORT_JOURNAL         file to which every call is appended as one line
//                           with its arguments and result (see journal.h)
//   TAGPORT_REFUSE_CONNECT  "1": TagportInit answers 0
//   TAGPORT_FAIL_CHECK      "1": TagportCheck answers 0
//   TAGPORT_FAIL_ACTIVATE   tag names separated by ";" ("*": every name) for
//                           which TagportActivate and TagportGetHandle answer 0
//   TAGPORT_NOT_ACTIVE      "1": TagportIsActive answers 0 for every tag
#pragma once

#include "standin_settings.h"

#include <string_view>

namespace tagport {

using standin::setting;
using standin::setting_is_on;

// True when `name` is listed in TAGPORT_FAIL_ACTIVATE.
bool activation_refused(std::string_view name);

} // namespace tagport
