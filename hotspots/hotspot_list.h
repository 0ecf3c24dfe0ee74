// The hotspots: one record for each, and the list of them.
#pragma once

#include "platform/desktop.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace zt::hotspots {

// One hotspot: a rectangle of a window's client area, named by the window's
// title, with the message tag that receives the value while the pointer is
// inside.

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

// The hotspots: a singly linked list whose first record is the list object's
// own (static, as the library's list is) and whose further records come from
// the heap, appended at the tail (registration order) or put at the head
// (newest first).

// Heap records taken out of a list, freed when this goes.
class DetachedRecords {
  public:
    DetachedRecords() = default;
    // The chain from `first` up to (without) `stop` or its end.
    DetachedRecords(HotspotRecord* first, const HotspotRecord* stop) noexcept
        : first_(first), stop_(stop)
    {
    }
    ~DetachedRecords();
    DetachedRecords(const DetachedRecords&) = delete;
    DetachedRecords& operator=(const DetachedRecords&) = delete;
    DetachedRecords(DetachedRecords&& other) noexcept
        : first_(std::exchange(other.first_, nullptr)), stop_(other.stop_)
    {
    }
    DetachedRecords& operator=(DetachedRecords&& other) noexcept
    {
        DetachedRecords(std::move(other)).swap(*this);
        return *this;
    }
    void swap(DetachedRecords& other) noexcept
    {
        std::swap(first_, other.first_);
        std::swap(stop_, other.stop_);
    }

  private:
    HotspotRecord* first_ = nullptr;
    const HotspotRecord* stop_ = nullptr;
};

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
    // Empties the list at once, handing every heap record (wherever it
    // stands) to the caller, who frees them when it suits.
    DetachedRecords detach() noexcept;
    // Frees every heap record, wherever it stands, and empties the list.
    void clear() noexcept { detach(); }

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
