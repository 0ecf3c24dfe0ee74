#include "hotspot_mirror.h"

#include <algorithm>

namespace zthost {
namespace {

bool same_rect(const zt::platform::driver::Rect& a, const zt::platform::driver::Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

bool same_name(std::string_view a, std::string_view b)
{
    const auto fold = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return fold(x) == fold(y); });
}

void HotspotMirror::record(const MirroredHotspot& hotspot)
{
    MirroredHotspot* same = nullptr;
    if (newest_first_) {
        if (!list_.empty() && same_rect(list_.front().rect, hotspot.rect) &&
            same_name(list_.front().window_name, hotspot.window_name) &&
            same_name(list_.front().tag_name, hotspot.tag_name)) {
            same = &list_.front();
        }
    } else {
        const auto found = std::find_if(list_.begin(), list_.end(), [&](const auto& each) {
            return same_rect(each.rect, hotspot.rect) &&
                   same_name(each.window_name, hotspot.window_name);
        });
        same = found != list_.end() ? &*found : nullptr;
    }
    if (same != nullptr) {
        same->tag_name = hotspot.tag_name;
        same->value = hotspot.value;
    } else if (newest_first_) {
        list_.insert(list_.begin(), hotspot);
    } else {
        list_.push_back(hotspot);
    }
}

const MirroredHotspot* HotspotMirror::hit(std::string_view title, zt::platform::Point point) const
{
    if (title.empty()) {
        return nullptr;
    }
    for (const MirroredHotspot& each : list_) {
        const auto& r = each.rect;
        if (same_name(each.window_name, title) && point.x >= r.left && point.x < r.right &&
            point.y >= r.top && point.y < r.bottom) {
            return &each;
        }
    }
    return nullptr;
}

} // namespace zthost
