// The desktop as the library sees it: top-level and child windows, thread mouse
// hooks, the foreground window and message boxes.
// win32: FindWindowA, GetWindowThreadProcessId, ScreenToClient, GetWindowTextA,
//        GetParent, SetWindowsHookExA(WH_MOUSE, procedure, no module, thread),
//        CallNextHookEx, UnhookWindowsHookEx, GetLastError,
//        SetForegroundWindow, MessageBoxA.
// posix: the simulated desktop (platform/simulated/simulated_desktop.h), which
//        tests and zthost drive through platform/drivers/desktop_driver.h.
//
// The calls go through a table that tests and benchmarks may replace entry by
// entry (to make one of them fail, or to take the window manager out of a
// measurement); the library always calls through desktop_calls().
#pragma once

#include <cstdint>
#include <string>

// The calling convention of procedures the window manager calls (CALLBACK).
#if defined(_WIN32)
#define ZT_SYSTEM_CALLBACK __stdcall
#else
#define ZT_SYSTEM_CALLBACK
#endif

namespace zt::platform {

using WindowHandle = void*;     // HWND; null: no window
using HookHandle = void*;       // HHOOK; null: no hook
using ThreadId = std::uint32_t; // 0: no thread

// POINT.
struct Point {
    std::int32_t x;
    std::int32_t y;
};

// MOUSEHOOKSTRUCT, the record a mouse hook receives through its last argument.
struct MouseHookRecord {
    Point pt;          // the pointer, in screen coordinates
    WindowHandle hwnd; // the window that is to receive the mouse message
    std::uint32_t hit_test_code;
    std::uintptr_t extra_info;
};

using HookResult = std::intptr_t;   // LRESULT
using HookMessage = std::uintptr_t; // WPARAM: the mouse message's identifier
using HookArgument = std::intptr_t; // LPARAM: the address of a MouseHookRecord

// HOOKPROC of a WH_MOUSE hook: hook code, message identifier, record.
using MouseHookProcedure = HookResult(ZT_SYSTEM_CALLBACK*)(int code, HookMessage message,
                                                           HookArgument record);

inline constexpr int hook_code_action = 0;                // HC_ACTION
inline constexpr int hook_code_noremove = 3;              // HC_NOREMOVE
inline constexpr HookMessage mouse_move_message = 0x0200; // WM_MOUSEMOVE

// Last-error codes the emulation sets (Windows' values).
inline constexpr std::uint32_t error_access_denied = 5;
inline constexpr std::uint32_t error_invalid_parameter = 87;
inline constexpr std::uint32_t error_invalid_window_handle = 1400;
inline constexpr std::uint32_t error_invalid_hook_handle = 1404;
inline constexpr std::uint32_t error_hook_needs_module = 1428;

struct DesktopCalls {
    // The first top-level window of that class and title (null: any); null when none.
    WindowHandle (*find_window)(const char* class_name, const char* title) noexcept;
    // The thread that created `window`; 0 when there is no such window.
    ThreadId (*window_thread)(WindowHandle window) noexcept;
    // Converts `point` from screen to `window`'s client coordinates; false for no window.
    bool (*screen_to_client)(WindowHandle window, Point& point) noexcept;
    // Copies the title, cut to capacity - 1 characters, and its terminator;
    // returns the number of characters copied (0 also for no window).
    int (*window_text)(WindowHandle window, char* buffer, int capacity) noexcept;
    // A child window's parent; null for a top-level window or no window.
    WindowHandle (*parent_window)(WindowHandle window) noexcept;
    // Installs `procedure` as a WH_MOUSE hook of `thread`; null on failure.
    HookHandle (*install_mouse_hook)(MouseHookProcedure procedure, ThreadId thread) noexcept;
    // Passes a hook call on to the next hook of the chain; its result, or 0.
    HookResult (*call_next_hook)(HookHandle hook, int code, HookMessage message,
                                 HookArgument record) noexcept;
    // Removes a hook; false on failure (last_error tells why).
    bool (*remove_hook)(HookHandle hook) noexcept;
    // The calling thread's last error code.
    std::uint32_t (*last_error)() noexcept;
    // Brings `window` to the foreground; false when it could not.
    bool (*set_foreground_window)(WindowHandle window) noexcept;
    // Shows a message box (MessageBoxA's style bits) and returns the button pressed.
    int (*message_box)(WindowHandle owner, const char* text, const char* caption,
                       std::uint32_t style) noexcept;
};

const DesktopCalls& system_desktop_calls() noexcept;

// Windows as those who make them see them (platform/drivers/desktop_driver.h):
// the library never makes one.
struct WindowRequest {
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

// A message box the simulated desktop recorded.
struct MessageBoxRecord {
    WindowHandle owner;
    std::string text;
    std::string caption;
    std::uint32_t style;
};

DesktopCalls& desktop_calls() noexcept;

} // namespace zt::platform
