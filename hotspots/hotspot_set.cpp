#include "hotspots/hotspot_set.h"

namespace zt::hotspots {

HotspotRecord* HotspotSet::registered_before(const HotspotFields& fields) noexcept
{
    if (kind_ == ListKind::registration_order) {
        return index_.same_place(fields.window_name, fields.rect);
    }
    HotspotRecord* head = list_.head();
    const bool same = head != nullptr && head->rect == fields.rect &&
                      same_name(head->window_name.data(), fields.window_name) &&
                      same_name(head->tag_name.data(), fields.tag_name);
    return same ? head : nullptr;
}

HotspotSet::Recorded HotspotSet::record(const HotspotFields& fields)
{
    if (HotspotRecord* same = registered_before(fields)) {
        // The tag and value change; the rectangle and window name stay as stored.
        copy_text(same->tag_name, fields.tag_name);
        copy_text(same->value, fields.value);
        same->tag = fields.tag;
        return Recorded::again;
    }
    // Room in the index first, so that a record in the list is always indexed.
    WindowHotspots& window = index_.window(fields.window_name);
    window.reserve_one_more();
    if (list_.empty()) {
        window.add(list_.place_first(fields));
        return Recorded::first;
    }
    window.add(kind_ == ListKind::newest_first ? list_.prepend(fields) : list_.append(fields));
    return Recorded::added;
}

void HotspotSet::attach_tag(std::string_view tag_name, TagHandle tag) noexcept
{
    for (HotspotRecord* record = list_.head(); record != nullptr; record = record->next) {
        if (std::string_view(record->tag_name.data()) == tag_name) {
            record->tag = tag;
        }
    }
}

void HotspotSet::clear() noexcept
{
    index_.clear();
    list_.clear();
}

void HotspotSet::take_all(Discarded& into) noexcept
{
    into.index.clear();
    into.index.swap(index_);
    into.records = list_.detach();
}

} // namespace zt::hotspots
