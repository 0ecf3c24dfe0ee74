// One hotspot: a rectangle of a window's client area, named by the window's
// title, with the message tag that receives the value while the pointer is
// inside.
#pragma once

#include "platform/desktop.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zt::hotspots {

// Client coordinates; left and top are inside, right and bottom outside.
struct Rect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;

    bool operator==(const Rect&) const = default;
    bool contains(platform::Point point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
};

// Longest texts the record's fields hold, without the terminator.
inline constexpr std::size_t tag_name_limit = 31;
inline constexpr std::size_t value_limit = 131;
inline constexpr std::size_t window_name_limit = 131;

// The handle of a tag the tag table holds; 0: the table holds none.
using TagHandle = std::uintptr_t;

struct HotspotRecord {
    Rect rect;
    std::array<char, tag_name_limit + 1> tag_name;
    std::array<char, value_limit + 1> value;
    std::array<char, window_name_limit + 1> window_name;
    HotspotRecord* next;
    // The tag table's handle of the record's tag, kept with it so that the
    // hook writes without looking in the table (which only registration and
    // release touch); the earlier release keeps none.
    TagHandle tag;
};

// What a registration puts into a record; the texts fit their fields.
struct HotspotFields {
    Rect rect;
    std::string_view tag_name;
    std::string_view value;
    std::string_view window_name;
    TagHandle tag = 0;
};

} // namespace zt::hotspots
