// Registration of a hotspot (ZtCntx32): finds the host thread and installs the
// mouse hook there, checks the arguments, opens the tag-access connection,
// records the hotspot and activates its message tag into the tag table.
#pragma once

#include <cstdint>

namespace zt::hotspots {

// Results besides 1 (recorded).
inline constexpr std::int32_t refused = -1;
inline constexpr std::int32_t cannot_connect = -2;
inline constexpr std::int32_t unspecified_exception = -20;
inline constexpr std::int32_t standard_exception = -21;

std::int32_t register_hotspot(const char* window_name, std::int32_t left, std::int32_t top,
                              std::int32_t width, std::int32_t height, const char* tag_name,
                              const char* value) noexcept;

} // namespace zt::hotspots
