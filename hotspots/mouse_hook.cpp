#include "hotspots/mouse_hook.h"

#include "hotspots/hook_tag_writes.h"
#include "hotspots/hotspot_state.h"

#include <array>
#include <string_view>

namespace zt::hotspots {
namespace {

using platform::Point;
using platform::WindowHandle;

// Titles are read into 131 characters with the terminator: at most 130 count.
constexpr int title_capacity = 131;

// The hotspot of the window `window` at `client`, judged by the window's title.
const HotspotRecord* hit_in(const HotspotState& state, WindowHandle window, Point client) noexcept
{
    std::array<char, title_capacity> title;
    title[0] = '\0';
    const int length = platform::desktop_calls().window_text(window, title.data(), title_capacity);
    const auto counted = static_cast<std::size_t>(length < 0                ? 0
                                                  : length < title_capacity ? length
                                                                            : title_capacity - 1);
    return state.hotspots.hit(std::string_view(title.data(), counted), client);
}

// The hotspot under the pointer: in the message's window, whose record then
// carries the point in that window's client coordinates, or else in the
// nearest ancestor that has one under the pointer.
const HotspotRecord* hotspot_under_pointer(const HotspotState& state,
                                           platform::MouseHookRecord& record) noexcept
{
    const platform::DesktopCalls& desktop = platform::desktop_calls();
    const Point screen = record.pt;
    desktop.screen_to_client(record.hwnd, record.pt);
    const HotspotRecord* hit = hit_in(state, record.hwnd, record.pt);
    for (WindowHandle window = record.hwnd; hit == nullptr;) {
        window = desktop.parent_window(window);
        if (window == nullptr) {
            break;
        }
        Point client = screen;
        desktop.screen_to_client(window, client);
        hit = hit_in(state, window, client);
    }
    return hit;
}

// Leaves the current hotspot for `hit` (either may be none): the empty text to
// the tag left, then the value to the tag entered.
void follow_pointer(HotspotState& state, const HotspotRecord* hit) noexcept
{
    if (hit == state.current) {
        return; // still in the same hotspot, or still in none
    }
    if (!tags_writable()) {
        return;
    }
    if (state.current != nullptr) {
        write_tag(state, *state.current, "");
    }
    if (hit != nullptr) {
        write_tag(state, *hit, hit->value.data());
    }
    state.current = hit;
}

void handle_mouse_message(HotspotState& state, platform::MouseHookRecord& record) noexcept
{
    // Messages for windows of any other thread than the host's change nothing.
    if (platform::desktop_calls().window_thread(record.hwnd) != state.host_thread) {
        return;
    }
    follow_pointer(state, hotspot_under_pointer(state, record));
}

} // namespace

platform::HookResult ZT_SYSTEM_CALLBACK mouse_hook_procedure(int code,
                                                             platform::HookMessage message,
                                                             platform::HookArgument record) noexcept
{
    prepare_mouse_message();
    HotspotState& state = hotspot_state();
    // A message met while registration or release holds the lock, or inside
    // the handling of another message, is passed on untouched.
    if (code >= 0 && record != 0 && state.lock.try_lock()) {
        try {
            // The record argument is the address of the window manager's record.
            handle_mouse_message(state, *reinterpret_cast<platform::MouseHookRecord*>(record));
        } catch (...) {
            // Whatever the tag-access library might throw stays here.
        }
        state.lock.unlock();
    }
    return platform::desktop_calls().call_next_hook(state.hook.load(), code, message, record);
}

} // namespace zt::hotspots
