// What the registration of a hotspot does alike in both releases before it
// records anything: it finds the host thread and hooks it, and checks the
// arguments in their order, reporting the first refused one in the texts of
// its release.
#pragma once

#include "hotspots/hotspot_list.h"
#include "hotspots/hotspot_state.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace zt::hotspots {

// The window class of the host runtime's main window.
inline constexpr const char* host_window_class = "Scenehall";

// Looks for the host thread on every call and installs the hook there once. A
// refused installation, or none without a host thread, is tried again by the
// next call.
void find_host_and_hook_it(HotspotState& state) noexcept;

// The report of each refused argument, in the order of the checks.
struct RefusalTexts {
    const char* off_screen;
    const char* bad_size;
    const char* no_window_name;
    // Texts longer than their fields are refused, never cut or copied past them.
    const char* window_name_too_long;
    const char* tag_name_too_long;
    const char* value_too_long;
};

// A text argument; a null pointer counts as the empty text.
inline std::string_view text_of(const char* text) noexcept
{
    return text != nullptr ? std::string_view(text) : std::string_view();
}

// The hotspot's rectangle, or none when an argument is refused (reported): a
// negative position, an empty size, an empty window name, a text too long for
// its field, or a far corner beyond the coordinates.
std::optional<Rect> checked_rect(const RefusalTexts& texts, std::string_view window_name,
                                 std::int32_t left, std::int32_t top, std::int32_t width,
                                 std::int32_t height, std::string_view tag_name,
                                 std::string_view value) noexcept;

} // namespace zt::hotspots
