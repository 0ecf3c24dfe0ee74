// The screen hotspots of the current release: registration (ZtCntx32),
// cleanup (ZtCntx32Cleanup) and the mouse hook that follows the pointer over
// them.
#pragma once

#include "platform/desktop.h"

#include <cstdint>

namespace zt::hotspots {

// Registration of a hotspot (ZtCntx32): finds the host thread and installs the
// mouse hook there, checks the arguments, opens the tag-access connection,
// records the hotspot and activates its message tag into the tag table.

// Results besides 1 (recorded).
inline constexpr std::int32_t refused = -1;
inline constexpr std::int32_t cannot_connect = -2;
inline constexpr std::int32_t unspecified_exception = -20;
inline constexpr std::int32_t standard_exception = -21;

std::int32_t register_hotspot(const char* window_name, std::int32_t left, std::int32_t top,
                              std::int32_t width, std::int32_t height, const char* tag_name,
                              const char* value) noexcept;

// Cleanup of the hotspots (ZtCntx32Cleanup): frees the hotspots, removes the
// mouse hook, gives back the tags of the tag table and closes the connection.
// With no hotspot registered it changes nothing.
void clean_up_hotspots() noexcept;

// The hotspot hook procedure: the WH_MOUSE hook of the host thread. For every
// mouse message it finds the hotspot under the pointer (in the message's
// window, else in its nearest ancestor that has one there) and keeps the tags
// in step: entering a hotspot writes its value to its tag, leaving one writes
// the empty text. Nothing escapes it, it never waits, and it always passes the
// message on.
platform::HookResult ZT_SYSTEM_CALLBACK mouse_hook_procedure(
    int code, platform::HookMessage message, platform::HookArgument record) noexcept;

} // namespace zt::hotspots
