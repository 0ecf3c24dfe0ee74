// The registered hotspots: the list in registration order and its index by
// window title, kept in step. Recording follows the registration rule (the
// same rectangle of the same window, in any letter case, is registered again
// in place); the hit test follows the hook's (the earliest registered hotspot
// of the window containing the point wins).
#pragma once

#include "hotspots/hotspot_list.h"
#include "hotspots/window_index.h"

namespace zt::hotspots {

class HotspotSet {
  public:
    bool empty() const noexcept { return list_.empty(); }
    std::size_t size() const noexcept { return list_.size(); }
    const HotspotList& list() const noexcept { return list_; }

    enum class Recorded { first, again, added };
    // Records a hotspot whose texts fit their fields. Throws bad_alloc, and
    // then records nothing.
    Recorded record(const HotspotFields& fields);
    // The earliest registered hotspot of the window titled `title` containing
    // `point`, in that window's client coordinates; null when none.
    const HotspotRecord* hit(std::string_view title, platform::Point point) const noexcept
    {
        return index_.hit(title, point);
    }
    void clear() noexcept;

  private:
    HotspotList list_;
    WindowIndex index_;
};

} // namespace zt::hotspots
