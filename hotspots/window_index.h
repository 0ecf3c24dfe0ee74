// The hotspots by window title, for the hook's hit test. A title leads
// straight to the hotspots of its window, kept in registration order, so a
// mouse message costs work in proportion to the hotspots of the windows it
// tries, not to all hotspots. Titles compare without regard to ASCII letter
// case, as the window names of registration do.
#pragma once

#include "hotspots/hotspot_list.h"
#include "hotspots/lean_array.h"

#include <array>
#include <string_view>
#include <utility>

namespace zt::hotspots {

// A window name or title in lower case (ASCII letters only), at most 131 characters.
class FoldedName {
  public:
    explicit FoldedName(std::string_view name) noexcept;
    std::string_view view() const noexcept { return {text_.data(), length_}; }

  private:
    std::array<char, window_name_limit + 1> text_;
    std::size_t length_;
};

// Whether two names are the same without regard to ASCII letter case.
bool same_name(std::string_view a, std::string_view b) noexcept;

// The hotspots of one window, in registration order.
class WindowHotspots {
  public:
    // Makes room for one more, so that add() cannot fail. Throws bad_alloc.
    void reserve_one_more();
    void add(HotspotRecord& record) noexcept;
    // The earliest (or, `newest_first`, the latest) registered hotspot
    // containing `point`, or null.
    const HotspotRecord* hit(platform::Point point, bool newest_first) const noexcept;
    // The earliest registered hotspot with exactly this rectangle, or null.
    HotspotRecord* same_place(const Rect& rect) const noexcept;

  private:
    // Rectangles apart from their records, so the hit test reads them in one run.
    LeanArray<Rect> rects_;
    LeanArray<HotspotRecord*> records_;
};

class WindowIndex {
  public:
    WindowIndex() = default;
    ~WindowIndex() { clear(); }
    WindowIndex(const WindowIndex&) = delete;
    WindowIndex& operator=(const WindowIndex&) = delete;

    // The hotspots of the window `window_name`, made empty if it has none. Throws bad_alloc.
    WindowHotspots& window(std::string_view window_name);
    // The earliest registered hotspot of `window_name` with exactly `rect`, or null.
    HotspotRecord* same_place(std::string_view window_name, const Rect& rect) const noexcept;
    // The earliest (or, `newest_first`, the latest) registered hotspot of the
    // window titled `title` that contains `point` (in that window's client
    // coordinates), or null.
    const HotspotRecord* hit(std::string_view title, platform::Point point,
                             bool newest_first) const noexcept;
    void clear() noexcept;
    void swap(WindowIndex& other) noexcept
    {
        slots_.swap(other.slots_);
        std::swap(count_, other.count_);
    }

  private:
    struct Window {
        FoldedName name;
        WindowHotspots hotspots;
    };

    const WindowHotspots* find(std::string_view name) const noexcept;
    // The slot of the window named `folded`, or the empty slot where it goes;
    // the table must have an empty slot.
    std::size_t slot_of(std::string_view folded) const noexcept;
    // Doubles the table. Throws bad_alloc, and then keeps the table as it was.
    void grow();

    // The windows by folded name: open addressing with linear probing in a
    // table whose length is a power of two and which is at most half full.
    LeanArray<Window*> slots_;
    std::size_t count_ = 0;
};

} // namespace zt::hotspots
