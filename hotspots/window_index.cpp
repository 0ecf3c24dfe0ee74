#include "hotspots/window_index.h"

#include <algorithm>

namespace zt::hotspots {

FoldedName::FoldedName(std::string_view name) noexcept
    : length_(std::min(name.size(), window_name_limit))
{
    for (std::size_t i = 0; i < length_; ++i) {
        const char c = name[i];
        text_[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
}

bool same_name(std::string_view a, std::string_view b) noexcept
{
    const auto fold = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return fold(x) == fold(y); });
}

void WindowHotspots::reserve_one_more()
{
    rects_.reserve(rects_.size() + 1);
    records_.reserve(records_.size() + 1);
}

void WindowHotspots::add(HotspotRecord& record) noexcept
{
    rects_.push_back(record.rect);
    records_.push_back(&record);
}

const HotspotRecord* WindowHotspots::hit(platform::Point point, bool newest_first) const noexcept
{
    const auto contains = [point](const Rect& rect) { return rect.contains(point); };
    if (newest_first) {
        const auto found = std::find_if(rects_.rbegin(), rects_.rend(), contains);
        return found != rects_.rend() ? records_[rects_.rend() - found - 1] : nullptr;
    }
    const auto found = std::find_if(rects_.begin(), rects_.end(), contains);
    return found != rects_.end() ? records_[found - rects_.begin()] : nullptr;
}

HotspotRecord* WindowHotspots::same_place(const Rect& rect) const noexcept
{
    const auto found = std::find(rects_.begin(), rects_.end(), rect);
    return found != rects_.end() ? records_[found - rects_.begin()] : nullptr;
}

WindowHotspots& WindowIndex::window(std::string_view window_name)
{
    const FoldedName folded(window_name);
    const auto found = windows_.find(folded.view());
    if (found != windows_.end()) {
        return found->second;
    }
    return windows_.emplace(std::string(folded.view()), WindowHotspots{}).first->second;
}

const WindowHotspots* WindowIndex::find(std::string_view name) const noexcept
{
    const FoldedName folded(name);
    const auto found = windows_.find(folded.view());
    return found != windows_.end() ? &found->second : nullptr;
}

HotspotRecord* WindowIndex::same_place(std::string_view window_name,
                                       const Rect& rect) const noexcept
{
    const WindowHotspots* hotspots = find(window_name);
    return hotspots != nullptr ? hotspots->same_place(rect) : nullptr;
}

const HotspotRecord* WindowIndex::hit(std::string_view title, platform::Point point,
                                      bool newest_first) const noexcept
{
    if (title.empty()) {
        return nullptr; // registration refuses empty window names
    }
    const WindowHotspots* hotspots = find(title);
    return hotspots != nullptr ? hotspots->hit(point, newest_first) : nullptr;
}

void WindowIndex::clear() noexcept
{
    windows_.clear();
}

} // namespace zt::hotspots
