#include "hotspots/window_index.h"

#include <algorithm>
#include <functional>
#include <memory>

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

std::size_t WindowIndex::slot_of(std::string_view folded) const noexcept
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = std::hash<std::string_view>{}(folded)&mask;; i = (i + 1) & mask) {
        if (slots_[i] == nullptr || slots_[i]->name.view() == folded) {
            return i;
        }
    }
}

void WindowIndex::grow()
{
    LeanArray<Window*> grown;
    grown.assign_zeroed(slots_.empty() ? 8 : slots_.size() * 2);
    grown.swap(slots_);
    for (Window* window : grown) {
        if (window != nullptr) {
            slots_[slot_of(window->name.view())] = window;
        }
    }
}

WindowHotspots& WindowIndex::window(std::string_view window_name)
{
    const FoldedName folded(window_name);
    if (!slots_.empty()) {
        if (Window* found = slots_[slot_of(folded.view())]) {
            return found->hotspots;
        }
    }
    std::unique_ptr<Window> window(new Window{folded, {}});
    if ((count_ + 1) * 2 > slots_.size()) {
        grow();
    }
    slots_[slot_of(folded.view())] = window.get();
    ++count_;
    return window.release()->hotspots;
}

const WindowHotspots* WindowIndex::find(std::string_view name) const noexcept
{
    if (slots_.empty()) {
        return nullptr;
    }
    const FoldedName folded(name);
    const Window* found = slots_[slot_of(folded.view())];
    return found != nullptr ? &found->hotspots : nullptr;
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
    for (Window* window : slots_) {
        delete window;
    }
    slots_.reset();
    count_ = 0;
}

} // namespace zt::hotspots
