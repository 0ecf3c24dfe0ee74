// The simulated desktop of the native target: one per process, in a shared
// object of its own (libztdesktop.so) so that the library and whoever drives it
// (tests, zthost) see the same windows, as user32 is shared on Windows.
//
// Windows' rules, reduced to what the library observes:
// - A window belongs to the thread that created it; only that thread destroys
//   it (else error 5), and destroying a window destroys its children.
// - A top-level window's client area starts at its position on the screen (no
//   frame); a child's position is in its parent's client coordinates.
// - find_window looks at top-level windows only, newest first; class names and
//   titles compare without regard to ASCII case; a null class or title matches
//   any.
// - parent_window gives a child's parent, null for a top-level window.
// - window_text copies at most capacity - 1 characters and a terminator and
//   returns the number copied; 0 for no window (error 1400).
// - Threads get their identifier on first use, counting up from 0x100.
// - Mouse hooks belong to a thread; the newest is called first, and
//   call_next_hook calls the one installed before it on the same thread (0 when
//   there is none). Installing needs a thread that has had an identifier (else
//   error 87; thread 0, a system-wide hook, needs a module: error 1428).
// - A pointer move goes to the window under the pointer: the newest top-level
//   window whose client area contains it, then its newest child containing it,
//   and so on down. The mouse-move message waits in that window's thread's
//   queue until the thread pumps its messages; its hooks then see it with the
//   code HC_ACTION. A pointer over no window, or a move to where the pointer
//   already is, sends nothing.
// - Message boxes are recorded and answered with IDOK at once.
#pragma once

#include "platform/desktop.h"

#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace zt::platform::simulated {

class SimulatedDesktop {
  public:
    static SimulatedDesktop& instance();

    // The calls of the desktop seam.
    WindowHandle find_window(const char* class_name, const char* title);
    ThreadId window_thread(WindowHandle window);
    bool screen_to_client(WindowHandle window, Point& point);
    int window_text(WindowHandle window, char* buffer, int capacity);
    WindowHandle parent_window(WindowHandle window);
    HookHandle install_mouse_hook(MouseHookProcedure procedure, ThreadId thread);
    HookResult call_next_hook(HookHandle hook, int code, HookMessage message, HookArgument record);
    bool remove_hook(HookHandle hook);
    bool set_foreground_window(WindowHandle window);
    int message_box(WindowHandle owner, const char* text, const char* caption, std::uint32_t style);

    // The driver's side.
    WindowHandle create_window(const WindowRequest& request);
    bool destroy_window(WindowHandle window);
    bool set_window_title(WindowHandle window, const char* title);
    bool move_pointer(Point screen);
    Point pointer_position();
    void pump_messages();
    std::vector<WindowInfo> windows();
    WindowHandle foreground_window();
    std::vector<MessageBoxRecord> take_message_boxes();

    static ThreadId current_thread();
    static std::uint32_t last_error();

  private:
    struct Window {
        std::string class_name;
        std::string title;
        std::uintptr_t parent = 0;
        Rect placement{}; // in the parent's client coordinates, or the screen's
        ThreadId thread = 0;
    };
    struct Hook {
        std::uintptr_t id;
        ThreadId thread;
        MouseHookProcedure procedure;
    };
    struct MouseMessage {
        std::uintptr_t window;
        Point screen;
    };

    const Window* window_of(WindowHandle window) const; // sets error 1400 when none
    Point client_origin(const Window& window) const;
    std::uintptr_t window_at(Point screen, std::uintptr_t parent) const;
    MouseHookProcedure hook_before(std::uintptr_t hook) const;
    void erase_window_tree(std::uintptr_t window);

    std::mutex mutex_;
    std::uintptr_t next_window_ = 0x10010;
    std::uintptr_t next_hook_ = 0x20010;
    std::map<std::uintptr_t, Window> windows_; // by handle, so in creation order
    std::vector<Hook> hooks_;                  // in installation order
    std::map<ThreadId, std::deque<MouseMessage>> queues_;
    Point pointer_{0, 0};
    std::uintptr_t foreground_ = 0;
    std::vector<MessageBoxRecord> message_boxes_;
};

} // namespace zt::platform::simulated
