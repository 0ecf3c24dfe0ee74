// Driving the desktop from outside the library, as a host runtime and its user
// do: windows with a class and a title, and the mouse pointer. The tests and
// zthost use it; the library never does.
// win32: real windows (RegisterClassA, CreateWindowExA: WS_POPUP top-level
//        windows, so the client area starts at the window's position; WS_CHILD
//        children), real mouse input (SendInput), and the calling thread's
//        message loop (PeekMessageA, DispatchMessageA), during which the window
//        manager calls that thread's mouse hooks.
// posix: the simulated desktop (platform/posix/simulated_desktop.h).
//
// Windows belong to the thread that creates them; only that thread destroys
// them, and only it sees their mouse messages, when it pumps its messages.
#pragma once

#include "platform/desktop.h"

#include <string>
#include <vector>

namespace zt::platform::driver {

struct WindowSpec {
    const char* class_name;
    const char* title;
    WindowHandle parent; // null: a top-level window
    // The client area: screen coordinates for a top-level window, the parent's
    // client coordinates for a child.
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
};

struct Rect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;  // outside
    std::int32_t bottom; // outside
};

struct WindowInfo {
    WindowHandle handle;
    WindowHandle parent;
    std::string class_name;
    std::string title;
    Rect client; // in screen coordinates
};

// A window owned by the calling thread, shown; null when it cannot be made.
WindowHandle create_window(const WindowSpec& spec) noexcept;
// Destroys a window of the calling thread and its children.
bool destroy_window(WindowHandle window) noexcept;
bool set_window_title(WindowHandle window, const char* title) noexcept;

// The calling thread's identifier, as window_thread() gives it.
ThreadId current_thread() noexcept;

// Moves the pointer to `screen`: the window under it receives a mouse-move
// message through its thread's queue. False when the move was refused.
bool move_pointer(Point screen) noexcept;
// Where the pointer is, in screen coordinates.
Point pointer_position() noexcept;
// Retrieves and dispatches the calling thread's pending messages (calling its
// mouse hooks for mouse messages) until none is left; on Windows it first waits
// for the input of the latest move_pointer() of this thread to arrive.
void pump_messages() noexcept;

// The windows made through create_window() that still exist, in creation order;
// none when the list cannot be made (out of memory).
std::vector<WindowInfo> windows() noexcept;

WindowHandle foreground_window() noexcept;

#if !defined(_WIN32)
// Natively the message boxes are recorded, answered with IDOK (1) at once, and
// collected here; on Windows they are real windows of the process.
struct MessageBoxRecord {
    WindowHandle owner;
    std::string text;
    std::string caption;
    std::uint32_t style;
};
// None when they cannot be taken; they are then kept for the next call.
std::vector<MessageBoxRecord> take_message_boxes() noexcept;
#endif

} // namespace zt::platform::driver
