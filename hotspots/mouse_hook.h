// The hotspot hook procedure: the WH_MOUSE hook of the host thread. For every
// mouse message it finds the hotspot under the pointer (in the message's
// window, else in its nearest ancestor that has one there) and keeps the tags
// in step: entering a hotspot writes its value to its tag, leaving one writes
// the empty text. Nothing escapes it, it never waits, and it always passes the
// message on.
#pragma once

#include "platform/desktop.h"

namespace zt::hotspots {

platform::HookResult ZT_SYSTEM_CALLBACK mouse_hook_procedure(
    int code, platform::HookMessage message, platform::HookArgument record) noexcept;

} // namespace zt::hotspots
