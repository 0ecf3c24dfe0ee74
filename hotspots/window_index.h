// The hotspots by window title, for the hook's hit test. A title leads
// straight to the hotspots of its window, kept in registration order, so a
// mouse message costs work in proportion to the hotspots of the windows it
// tries, not to all hotspots. Titles compare without regard to ASCII letter
// case, as the window names of registration do.
#pragma once

#include "hotspots/hotspot_record.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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
    std::vector<Rect> rects_;
    std::vector<HotspotRecord*> records_;
};

class WindowIndex {
  public:
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

  private:
    const WindowHotspots* find(std::string_view name) const noexcept;

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view folded) const noexcept
        {
            return std::hash<std::string_view>{}(folded);
        }
    };
    // By folded window name.
    std::unordered_map<std::string, WindowHotspots, Hash, std::equal_to<>> windows_;
};

} // namespace zt::hotspots
