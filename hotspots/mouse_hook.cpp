#include "hotspots/hotspots.h"

#include "hotspots/hook_tag_writes.h"
#include "hotspots/hotspot_state.h"

#include <array>
#include <mutex>
#include <string_view>

namespace zt::hotspots {
namespace {

using platform::Point;
using platform::WindowHandle;

// Titles are read into 131 characters with the terminator: at most 130 count.
constexpr int title_capacity = 131;

class Title {
  public:
    // Read without the state's lock: the window manager may send the window a
    // message for it, which runs the host's code.
    explicit Title(WindowHandle window) noexcept
    {
        text_[0] = '\0';
        const int length =
            platform::desktop_calls().window_text(window, text_.data(), title_capacity);
        length_ = static_cast<std::size_t>(length < 0                ? 0
                                           : length < title_capacity ? length
                                                                     : title_capacity - 1);
    }
    std::string_view view() const noexcept { return {text_.data(), length_}; }

  private:
    std::array<char, title_capacity> text_;
    std::size_t length_;
};

// What one message leads to: decided under the state's lock, done after it.
class MessageOutcome {
  public:
    // Under the lock: leaves the current hotspot for `hit` (either may be
    // none), with the empty text to the tag left, then the value to the tag
    // entered.
    void follow_pointer(HotspotState& state, const HotspotRecord* hit) noexcept
    {
        if (hit == state.current) {
            return; // still in the same hotspot, or still in none
        }
        channel_ = write_channel();
        if (!channel_.writable) {
            unwritable_ = true;
            return;
        }
        if (state.current != nullptr) {
            add(*state.current, "");
        }
        if (hit != nullptr) {
            add(*hit, hit->value.data());
        }
        state.current = hit;
    }

    // After the lock: reports and writes. The channel goes with the outcome,
    // and with it the session the writes went over.
    void carry_out() noexcept
    {
        if (unwritable_) {
            report_unwritable();
        }
        for (int i = 0; i < count_; ++i) {
            write_tag(writes_[i]);
        }
    }

  private:
    void add(const HotspotRecord& hotspot, const char* text) noexcept
    {
        TagWrite& write = writes_[count_++];
        write.connection = channel_.connection;
        write.tag = hotspot.tag;
        write.tag_name = hotspot.tag_name;
        copy_text(write.text, text);
    }

    WriteChannel channel_;
    std::array<TagWrite, 2> writes_;
    int count_ = 0;
    bool unwritable_ = false;
};

// Finds the hotspot under the pointer, in the message's window, whose record
// then carries the point in that window's client coordinates, or else in the
// nearest ancestor that has one under the pointer; and moves the current
// hotspot to it. Each window's title is read before the lock is taken to look
// at the hotspots of that title.
void handle_mouse_message(HotspotState& state, platform::MouseHookRecord& record) noexcept
{
    const platform::DesktopCalls& desktop = platform::desktop_calls();
    // Messages for windows of any other thread than the host's change nothing.
    if (desktop.window_thread(record.hwnd) != state.host_thread.load()) {
        return;
    }
    const Point screen = record.pt;
    desktop.screen_to_client(record.hwnd, record.pt);
    MessageOutcome outcome;
    WindowHandle window = record.hwnd;
    Point client = record.pt;
    for (;;) {
        const Title title(window);
        {
            const std::lock_guard lock(state.lock);
            if (const HotspotRecord* hit = state.hotspots.hit(title.view(), client)) {
                outcome.follow_pointer(state, hit);
                break;
            }
        }
        window = desktop.parent_window(window);
        if (window == nullptr) {
            const std::lock_guard lock(state.lock);
            outcome.follow_pointer(state, nullptr);
            break;
        }
        client = screen;
        desktop.screen_to_client(window, client);
    }
    outcome.carry_out();
}

} // namespace

platform::HookResult ZT_SYSTEM_CALLBACK mouse_hook_procedure(int code,
                                                             platform::HookMessage message,
                                                             platform::HookArgument record) noexcept
{
    prepare_mouse_message();
    HotspotState& state = hotspot_state();
    // A message met inside the handling of another (through anything that
    // handling calls) is passed on untouched.
    if (code >= 0 && record != 0 && !state.hook_busy.exchange(true)) {
        // The record argument is the address of the window manager's record.
        handle_mouse_message(state, *reinterpret_cast<platform::MouseHookRecord*>(record));
        state.hook_busy = false;
    }
    return platform::desktop_calls().call_next_hook(state.hook.load(), code, message, record);
}

} // namespace zt::hotspots
