// The registered hotspots: the list and its index by window title, kept in
// step. Two kinds of list, one per release, differ in where a registration
// goes and which hotspot the hook finds first:
//   - registration order (the current release): a new hotspot is appended;
//     the same rectangle of the same window, in any letter case, anywhere in
//     the list, is registered again in place; of the hotspots of a window
//     containing the point, the earliest registered wins;
//   - newest first (the earlier release): a new hotspot is put at the head;
//     only the head is registered again in place, when rectangle, window name
//     and tag name (both in any letter case) are the same; of the hotspots of
//     a window containing the point, the newest wins.
#pragma once

#include "hotspots/hotspot_list.h"
#include "hotspots/window_index.h"

namespace zt::hotspots {

enum class ListKind { registration_order, newest_first };

class HotspotSet {
  public:
    explicit HotspotSet(ListKind kind = ListKind::registration_order) noexcept : kind_(kind) {}

    ListKind kind() const noexcept { return kind_; }
    bool empty() const noexcept { return list_.empty(); }
    std::size_t size() const noexcept { return list_.size(); }
    const HotspotList& list() const noexcept { return list_; }

    enum class Recorded { first, again, added };
    // Records a hotspot whose texts fit their fields. Throws bad_alloc, and
    // then records nothing.
    Recorded record(const HotspotFields& fields);
    // Gives every hotspot of the tag `tag_name` (exactly) the handle `tag`:
    // the tag has just entered the tag table.
    void attach_tag(std::string_view tag_name, TagHandle tag) noexcept;
    // The hotspot the hook finds in the window titled `title` at `point`, in
    // that window's client coordinates; null when none.
    const HotspotRecord* hit(std::string_view title, platform::Point point) const noexcept
    {
        return index_.hit(title, point, kind_ == ListKind::newest_first);
    }
    void clear() noexcept;

    // What take_all() took, freed when it goes.
    struct Discarded {
        WindowIndex index;
        DetachedRecords records;
    };
    // Empties the set at once and hands everything it held to `into`, so that
    // the freeing can wait until the hook may look again.
    void take_all(Discarded& into) noexcept;

  private:
    // The record that a registration of `fields` takes over, or null.
    HotspotRecord* registered_before(const HotspotFields& fields) noexcept;

    ListKind kind_;
    HotspotList list_;
    WindowIndex index_;
};

} // namespace zt::hotspots
