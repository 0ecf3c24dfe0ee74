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

// Where the tag table kept the record's tag when the hook last looked, so
// that the hook looks again only after the table may have changed.
struct TagLink {
    std::uint64_t generation = 0; // of the tag table; 0: never looked
    std::uintptr_t tag = 0;
    bool found = false;
};

struct HotspotRecord {
    Rect rect;
    std::array<char, tag_name_limit + 1> tag_name;
    std::array<char, value_limit + 1> value;
    std::array<char, window_name_limit + 1> window_name;
    HotspotRecord* next;
    // Not registered but remembered: kept by the hook, reset with the texts.
    mutable TagLink tag_link;
};

// What a registration puts into a record; the texts fit their fields.
struct HotspotFields {
    Rect rect;
    std::string_view tag_name;
    std::string_view value;
    std::string_view window_name;
};

} // namespace zt::hotspots
