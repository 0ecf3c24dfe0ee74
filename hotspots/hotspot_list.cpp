#include "hotspots/hotspot_list.h"

namespace zt::hotspots {
namespace {

void fill(HotspotRecord& record, const HotspotFields& fields)
{
    record.rect = fields.rect;
    copy_text(record.tag_name, fields.tag_name);
    copy_text(record.value, fields.value);
    copy_text(record.window_name, fields.window_name);
    record.next = nullptr;
    record.tag = fields.tag;
}

} // namespace

HotspotRecord& HotspotList::place_first(const HotspotFields& fields) noexcept
{
    fill(first_, fields);
    head_ = tail_ = &first_;
    size_ = 1;
    return first_;
}

HotspotRecord& HotspotList::append(const HotspotFields& fields)
{
    auto* record = new HotspotRecord;
    fill(*record, fields);
    tail_->next = record;
    tail_ = record;
    ++size_;
    return *record;
}

HotspotRecord& HotspotList::prepend(const HotspotFields& fields)
{
    auto* record = new HotspotRecord;
    fill(*record, fields);
    record->next = head_;
    head_ = record;
    ++size_;
    return *record;
}

DetachedRecords::~DetachedRecords()
{
    // One by one, so a long chain never recurses.
    HotspotRecord* record = first_;
    while (record != nullptr && record != stop_) {
        HotspotRecord* following = record->next;
        delete record;
        record = following;
    }
}

DetachedRecords HotspotList::detach() noexcept
{
    // The first record is the list's own: at the head in registration order,
    // where the heap records follow it, and at the tail newest first, where
    // they lead up to it.
    DetachedRecords heap_records(head_ == &first_ ? first_.next : head_, &first_);
    first_.next = nullptr;
    head_ = tail_ = nullptr;
    size_ = 0;
    return heap_records;
}

} // namespace zt::hotspots
