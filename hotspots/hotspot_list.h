// The hotspots: a singly linked list whose first record is the list object's
// own (static, as the library's list is) and whose further records come from
// the heap, appended at the tail (registration order) or put at the head
// (newest first).
#pragma once

#include "hotspots/hotspot_record.h"

#include <algorithm>
#include <cstddef>

namespace zt::hotspots {

class HotspotList {
  public:
    HotspotList() = default;
    ~HotspotList() { clear(); }
    HotspotList(const HotspotList&) = delete;
    HotspotList& operator=(const HotspotList&) = delete;

    bool empty() const noexcept { return head_ == nullptr; }
    const HotspotRecord* head() const noexcept { return head_; }
    HotspotRecord* head() noexcept { return head_; }
    const HotspotRecord& first_record() const noexcept { return first_; }
    std::size_t size() const noexcept { return size_; }

    // Fills the first record and makes it the list; the list must be empty.
    HotspotRecord& place_first(const HotspotFields& fields) noexcept;
    // Appends a heap record; the list must not be empty. Throws bad_alloc.
    HotspotRecord& append(const HotspotFields& fields);
    // Puts a heap record at the head; the list must not be empty. Throws bad_alloc.
    HotspotRecord& prepend(const HotspotFields& fields);
    // Frees every heap record, wherever it stands, and empties the list.
    void clear() noexcept;

  private:
    HotspotRecord first_{};
    HotspotRecord* head_ = nullptr;
    HotspotRecord* tail_ = nullptr;
    std::size_t size_ = 0;
};

// Copies `text` and a terminator into `field`, cut to the field should it not fit.
template <std::size_t Size> void copy_text(std::array<char, Size>& field, std::string_view text)
{
    const std::size_t length = text.size() < Size ? text.size() : Size - 1;
    std::copy_n(text.data(), length, field.data());
    field[length] = '\0';
}

} // namespace zt::hotspots
