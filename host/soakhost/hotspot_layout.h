// The soak's screen: the host runtime's main window "Main" (class
// "Scenehall") with 100 panels in a 10 x 10 grid, each a child window of
// 100 x 100 pixels titled "Panel 00" to "Panel 99", and 100 hotspots in each
// panel, 8 x 8 pixels on a 10-pixel grid, over six message tags "Msg1" to
// "Msg6". Every point of the main window lies in a panel; a point in a
// panel lies in one hotspot or in a gap between hotspots.
#pragma once

#include "platform/desktop.h"

#include <cstdint>
#include <optional>
#include <string>

namespace soakhost {

using zt::platform::Point;

inline constexpr int panel_columns = 10;
inline constexpr int panel_size = 100;
inline constexpr int hotspot_pitch = 10;
inline constexpr int hotspot_size = 8;
inline constexpr int hotspots_per_side = panel_size / hotspot_pitch;
inline constexpr int panel_count = panel_columns * panel_columns;
inline constexpr int hotspot_count = panel_count * hotspots_per_side * hotspots_per_side;
inline constexpr int message_tag_count = 6;

// One hotspot by its number, 0 to 9,999.
struct Hotspot {
    int number;

    int panel() const { return number / (hotspots_per_side * hotspots_per_side); }
    int row() const { return number / hotspots_per_side % hotspots_per_side; }
    int column() const { return number % hotspots_per_side; }
    std::string window_name() const;
    // In the panel's client coordinates.
    std::int32_t left() const { return column() * hotspot_pitch; }
    std::int32_t top() const { return row() * hotspot_pitch; }
    std::string tag_name() const;
    std::string value() const;
    bool operator==(const Hotspot&) const = default;
};

std::string panel_title(int panel);
std::string message_tag_name(int index); // "Msg1" to "Msg6" for 0 to 5

class HotspotLayout {
  public:
    // The main window's client area starts at `origin` on the screen.
    explicit HotspotLayout(Point origin) : origin_(origin) {}

    Point origin() const { return origin_; }
    std::int32_t width() const { return panel_columns * panel_size; }
    // Where panel `panel` lies in the main window's client area.
    Point panel_position(int panel) const;

    // The hotspot at a point of the screen; none in a gap or outside.
    std::optional<Hotspot> hit(Point screen) const;
    bool inside_main(Point screen) const;
    // A point of the screen inside `hotspot` (`offset` 0 to 63 picks one of its pixels).
    Point point_in(const Hotspot& hotspot, int offset) const;
    // A point in the gap right of `hotspot`.
    Point point_beside(const Hotspot& hotspot) const;

  private:
    Point origin_;
};

} // namespace soakhost
