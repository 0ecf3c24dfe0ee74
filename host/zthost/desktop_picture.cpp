#include "desktop_picture.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace zthost {
namespace {

using zt::platform::Point;
using zt::platform::WindowHandle;
using zt::platform::driver::Rect;
using zt::platform::driver::WindowInfo;

// The hook reads at most 130 characters of a title.
constexpr std::size_t title_read_limit = 130;

bool contains(const Rect& rect, Point point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

std::string read_title(const WindowInfo& window)
{
    return window.title.substr(0, title_read_limit);
}

const WindowInfo* find_window(const std::vector<WindowInfo>& windows, WindowHandle handle)
{
    const auto found =
        std::find_if(windows.begin(), windows.end(),
                     [handle](const WindowInfo& each) { return each.handle == handle; });
    return found != windows.end() ? &*found : nullptr;
}

// The window under the pointer: the newest top-level window containing it,
// then its newest child containing it, and so on down.
const WindowInfo* window_under(const std::vector<WindowInfo>& windows, Point pointer)
{
    const WindowInfo* under = nullptr;
    for (WindowHandle parent = nullptr;;) {
        const auto found =
            std::find_if(windows.rbegin(), windows.rend(), [&](const WindowInfo& each) {
                return each.parent == parent && contains(each.client, pointer);
            });
        if (found == windows.rend()) {
            return under;
        }
        under = &*found;
        parent = found->handle;
    }
}

// The hotspot the hook finds: in the window under the pointer, else in the
// nearest ancestor that has one there.
const MirroredHotspot* hotspot_under(const HotspotMirror& registered,
                                     const std::vector<WindowInfo>& windows, Point pointer)
{
    for (const WindowInfo* window = window_under(windows, pointer); window != nullptr;
         window = find_window(windows, window->parent)) {
        const Point client{pointer.x - window->client.left, pointer.y - window->client.top};
        if (const auto* hit = registered.hit(read_title(*window), client)) {
            return hit;
        }
    }
    return nullptr;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Colours told apart by registration order.
constexpr std::array<const char*, 6> palette{"#1f77b4", "#2ca02c", "#9467bd",
                                             "#8c564b", "#17becf", "#bcbd22"};

void rect_attributes(std::ostream& svg, const Rect& rect)
{
    svg << " x=\"" << rect.left << "\" y=\"" << rect.top << "\" width=\"" << rect.right - rect.left
        << "\" height=\"" << rect.bottom - rect.top << "\"";
}

} // namespace

DesktopPicture take_picture(const HotspotMirror& registered)
{
    DesktopPicture picture;
    picture.windows = zt::platform::driver::windows();
    picture.pointer = zt::platform::driver::pointer_position();
    const auto* current = hotspot_under(registered, picture.windows, picture.pointer);
    // The list runs in registration order, or newest first; the numbers count
    // from the earliest registered either way.
    picture.newest_wins = registered.newest_first();
    const int count = static_cast<int>(registered.list().size());
    int position = 0;
    for (const MirroredHotspot& record : registered.list()) {
        const int order = picture.newest_wins ? count - position : position + 1;
        ++position;
        PictureHotspot hotspot{order, record.window_name, record.tag_name, record.value,
                               {},    &record == current};
        for (const WindowInfo& window : picture.windows) {
            if (same_name(read_title(window), hotspot.window_name)) {
                const Rect& client = window.client;
                hotspot.places.push_back(
                    Rect{client.left + record.rect.left, client.top + record.rect.top,
                         client.left + record.rect.right, client.top + record.rect.bottom});
            }
        }
        picture.hotspots.push_back(std::move(hotspot));
    }
    return picture;
}

std::string to_svg(const DesktopPicture& picture)
{
    Rect bounds{picture.pointer.x, picture.pointer.y, picture.pointer.x + 1, picture.pointer.y + 1};
    for (const WindowInfo& window : picture.windows) {
        bounds =
            Rect{std::min(bounds.left, window.client.left), std::min(bounds.top, window.client.top),
                 std::max(bounds.right, window.client.right),
                 std::max(bounds.bottom, window.client.bottom)};
    }
    constexpr int margin = 20;
    constexpr int legend_line = 16;
    constexpr int legend_width = 560; // room for the legend's lines
    const int legend_top = bounds.bottom + margin;
    const int width = std::max(bounds.right - bounds.left, legend_width) + 2 * margin;
    const int height = bounds.bottom - bounds.top + 2 * margin +
                       legend_line * static_cast<int>(picture.hotspots.size() + 1);
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" << bounds.left - margin << " "
        << bounds.top - margin << " " << width << " " << height
        << "\" font-family=\"sans-serif\" font-size=\"11\">\n";
    for (const WindowInfo& window : picture.windows) {
        const bool top_level = window.parent == nullptr;
        svg << "<rect class=\"window\" data-title=\"" << escaped(window.title) << "\"";
        rect_attributes(svg, window.client);
        svg << " fill=\"" << (top_level ? "#f4f4f4" : "#ffffff") << "\" stroke=\"#555\"/>\n"
            << "<text x=\"" << window.client.left + 3 << "\" y=\"" << window.client.top + 12
            << "\" fill=\"#555\">" << escaped(window.title) << "</text>\n";
    }
    // The list from its end, so that the one the hook finds first where
    // hotspots overlap (the earliest registered, or the newest in the earlier
    // release) lies on top.
    for (auto it = picture.hotspots.rbegin(); it != picture.hotspots.rend(); ++it) {
        const PictureHotspot& hotspot = *it;
        const char* colour = palette[(hotspot.order - 1) % palette.size()];
        for (const Rect& place : hotspot.places) {
            svg << "<rect class=\"hotspot" << (hotspot.current ? " current" : "")
                << "\" data-order=\"" << hotspot.order << "\" data-tag=\""
                << escaped(hotspot.tag_name) << "\" data-value=\"" << escaped(hotspot.value)
                << "\"";
            rect_attributes(svg, place);
            svg << " fill=\"" << colour << "\" fill-opacity=\"" << (hotspot.current ? 0.45 : 0.2)
                << "\" stroke=\"" << (hotspot.current ? "#d62728" : colour) << "\" stroke-width=\""
                << (hotspot.current ? 3 : 1) << "\"/>\n"
                << "<text x=\"" << place.left + 3 << "\" y=\"" << place.bottom - 4 << "\" fill=\""
                << colour << "\">#" << hotspot.order << " " << escaped(hotspot.tag_name) << " = "
                << escaped(hotspot.value) << "</text>\n";
        }
    }
    const Point p = picture.pointer;
    svg << "<path class=\"pointer\" d=\"M" << p.x << " " << p.y << " l0 16 l4 -4 l3 7 l2 -1 l-3 -7 "
        << "l6 0 z\" fill=\"#d62728\" stroke=\"#000\" stroke-width=\"0.5\"/>\n";
    svg << "<text x=\"" << bounds.left << "\" y=\"" << legend_top << "\">hotspots in registration "
        << "order (the " << (picture.newest_wins ? "newest" : "earlier")
        << " wins where they overlap; red: under the pointer)</text>\n";
    for (const PictureHotspot& hotspot : picture.hotspots) {
        svg << "<text x=\"" << bounds.left << "\" y=\"" << legend_top + legend_line * hotspot.order
            << "\" fill=\"" << palette[(hotspot.order - 1) % palette.size()] << "\">#"
            << hotspot.order << " window \"" << escaped(hotspot.window_name)
            << "\": " << escaped(hotspot.tag_name) << " = \"" << escaped(hotspot.value) << "\""
            << (hotspot.places.empty() ? " (no window of that title)" : "")
            << (hotspot.current ? " (under the pointer)" : "") << "</text>\n";
    }
    svg << "</svg>\n";
    return svg.str();
}

} // namespace zthost
