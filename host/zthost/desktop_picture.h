// The desktop as a picture for a screen builder: the windows with their
// titles, every registered hotspot as its rectangle labelled with its number
// in registration order, tag and value, the hotspot under the pointer and the
// pointer itself highlighted. Written as SVG.
#pragma once

#include "hotspot_mirror.h"
#include "platform/drivers/desktop_driver.h"

#include <string>
#include <vector>

namespace zthost {

struct PictureHotspot {
    int order; // 1 for the earliest registered
    std::string window_name;
    std::string tag_name;
    std::string value;
    // Where it lies on the screen: once per window of its title, none when
    // no window has it.
    std::vector<zt::platform::driver::Rect> places;
    bool current; // the hotspot the hook finds under the pointer
};

struct DesktopPicture {
    std::vector<zt::platform::driver::WindowInfo> windows;
    std::vector<PictureHotspot> hotspots;
    // Of overlapping hotspots the newest wins (the earlier release), else the earliest.
    bool newest_wins = false;
    zt::platform::Point pointer;
};

// The picture of the windows made through the desktop driver and of the
// hotspots of `registered`, found under the pointer by the hook's rules.
DesktopPicture take_picture(const HotspotMirror& registered);

std::string to_svg(const DesktopPicture& picture);

} // namespace zthost
