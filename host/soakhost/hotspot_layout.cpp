#include "hotspot_layout.h"

#include <cstdio>

namespace soakhost {

std::string panel_title(int panel)
{
    char title[16];
    std::snprintf(title, sizeof title, "Panel %02d", panel);
    return title;
}

std::string message_tag_name(int index)
{
    return "Msg" + std::to_string(index + 1);
}

std::string Hotspot::window_name() const
{
    return panel_title(panel());
}

std::string Hotspot::tag_name() const
{
    return message_tag_name(number % message_tag_count);
}

std::string Hotspot::value() const
{
    char value[32];
    std::snprintf(value, sizeof value, "P%02d R%d C%d", panel(), row(), column());
    return value;
}

Point HotspotLayout::panel_position(int panel) const
{
    return {panel % panel_columns * panel_size, panel / panel_columns * panel_size};
}

bool HotspotLayout::inside_main(Point screen) const
{
    const std::int32_t x = screen.x - origin_.x;
    const std::int32_t y = screen.y - origin_.y;
    return x >= 0 && y >= 0 && x < width() && y < width();
}

std::optional<Hotspot> HotspotLayout::hit(Point screen) const
{
    if (!inside_main(screen)) {
        return std::nullopt;
    }
    const std::int32_t x = screen.x - origin_.x;
    const std::int32_t y = screen.y - origin_.y;
    const int panel = y / panel_size * panel_columns + x / panel_size;
    const std::int32_t in_x = x % panel_size;
    const std::int32_t in_y = y % panel_size;
    if (in_x % hotspot_pitch >= hotspot_size || in_y % hotspot_pitch >= hotspot_size) {
        return std::nullopt;
    }
    return Hotspot{(panel * hotspots_per_side + in_y / hotspot_pitch) * hotspots_per_side +
                   in_x / hotspot_pitch};
}

Point HotspotLayout::point_in(const Hotspot& hotspot, int offset) const
{
    const Point panel = panel_position(hotspot.panel());
    return {origin_.x + panel.x + hotspot.left() + offset % hotspot_size,
            origin_.y + panel.y + hotspot.top() + offset / hotspot_size % hotspot_size};
}

Point HotspotLayout::point_beside(const Hotspot& hotspot) const
{
    const Point panel = panel_position(hotspot.panel());
    return {origin_.x + panel.x + hotspot.left() + hotspot_size,
            origin_.y + panel.y + hotspot.top()};
}

} // namespace soakhost
