// Driving the desktop from outside the library, as a host runtime and its user
// do: windows with a class and a title, and the mouse pointer. The tests and
// zthost use it; the library never does.
// win32: real windows (RegisterClassA, CreateWindowExA: WS_POPUP top-level
//        windows, so the client area starts at the window's position; WS_CHILD
//        children), real mouse input (SendInput), and the calling thread's
//        message loop (PeekMessageA, DispatchMessageA), during which the window
//        manager calls that thread's mouse hooks.
// posix: the simulated desktop (platform/simulated/simulated_desktop.h).
//
// Windows belong to the thread that creates them; only that thread destroys
// them, and only it sees their mouse messages, when it pumps its messages.
#pragma once

#include "platform/desktop.h"

#include <vector>

namespace zt::platform::driver {

// The desktop's own types (platform/desktop.h), under the driver's names.
using platform::Rect;
using platform::WindowInfo;
using platform::WindowRequest;
#if !defined(_WIN32)
using platform::MessageBoxRecord;
#endif

// A window owned by the calling thread, shown; null when it cannot be made.
WindowHandle create_window(const WindowRequest& request) noexcept;
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
// None when they cannot be taken; they are then kept for the next call.
std::vector<MessageBoxRecord> take_message_boxes() noexcept;
#endif

} // namespace zt::platform::driver
