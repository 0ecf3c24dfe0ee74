// What zthost knows of the hotspots its session registered, from watching its
// own accepted ZtCntx32 calls, kept by the rules of the release it runs:
//   - the current release appends a new hotspot, and a registration of the
//     same rectangle of the same window (in any letter case) anywhere in the
//     list changes that hotspot's tag and value in place;
//   - the earlier release puts a new hotspot at the head of the list, and only
//     the head changes in place, when rectangle, window name and tag name (in
//     any letter case) are the same.
// The hook finds the first hotspot of the list that lies in the window of a
// title under the pointer: the earliest registered, or the newest.
#pragma once

#include "export_signatures.h"
#include "platform/drivers/desktop_driver.h"

#include <string>
#include <string_view>
#include <vector>

namespace zthost {

struct MirroredHotspot {
    zt::platform::driver::Rect rect; // in the client coordinates of its window
    std::string tag_name;
    std::string value;
    std::string window_name;
};

class HotspotMirror {
  public:
    explicit HotspotMirror(Release release) : newest_first_(release == Release::earlier) {}

    void record(const MirroredHotspot& hotspot);
    void clear() { list_.clear(); }

    bool newest_first() const { return newest_first_; }
    // In the order of the release's list.
    const std::vector<MirroredHotspot>& list() const { return list_; }
    // The hotspot the hook finds in a window of `title` at `point` (client
    // coordinates), or null.
    const MirroredHotspot* hit(std::string_view title, zt::platform::Point point) const;

  private:
    bool newest_first_;
    std::vector<MirroredHotspot> list_;
};

// Whether two names are the same without regard to ASCII letter case.
bool same_name(std::string_view a, std::string_view b);

} // namespace zthost
