#include "platform/desktop.h"

#include <windows.h>

#include <cstddef>

namespace zt::platform {
namespace {

static_assert(sizeof(Point) == sizeof(POINT));
static_assert(sizeof(MouseHookRecord) == sizeof(MOUSEHOOKSTRUCT));
static_assert(offsetof(MouseHookRecord, hwnd) == offsetof(MOUSEHOOKSTRUCT, hwnd));
static_assert(offsetof(MouseHookRecord, hit_test_code) == offsetof(MOUSEHOOKSTRUCT, wHitTestCode));
static_assert(offsetof(MouseHookRecord, extra_info) == offsetof(MOUSEHOOKSTRUCT, dwExtraInfo));
static_assert(sizeof(HookResult) == sizeof(LRESULT) && sizeof(HookMessage) == sizeof(WPARAM) &&
              sizeof(HookArgument) == sizeof(LPARAM));

HWND to_hwnd(WindowHandle window)
{
    return static_cast<HWND>(window);
}

WindowHandle find_window(const char* class_name, const char* title) noexcept
{
    return FindWindowA(class_name, title);
}

ThreadId window_thread(WindowHandle window) noexcept
{
    return GetWindowThreadProcessId(to_hwnd(window), nullptr);
}

bool screen_to_client(WindowHandle window, Point& point) noexcept
{
    POINT converted{point.x, point.y};
    if (!ScreenToClient(to_hwnd(window), &converted)) {
        return false;
    }
    point = Point{converted.x, converted.y};
    return true;
}

int window_text(WindowHandle window, char* buffer, int capacity) noexcept
{
    return GetWindowTextA(to_hwnd(window), buffer, capacity);
}

WindowHandle parent_window(WindowHandle window) noexcept
{
    return GetParent(to_hwnd(window));
}

HookHandle install_mouse_hook(MouseHookProcedure procedure, ThreadId thread) noexcept
{
    return SetWindowsHookExA(WH_MOUSE, reinterpret_cast<HOOKPROC>(procedure), nullptr, thread);
}

HookResult call_next_hook(HookHandle hook, int code, HookMessage message,
                          HookArgument record) noexcept
{
    return CallNextHookEx(static_cast<HHOOK>(hook), code, message, record);
}

bool remove_hook(HookHandle hook) noexcept
{
    return UnhookWindowsHookEx(static_cast<HHOOK>(hook)) != FALSE;
}

std::uint32_t last_error() noexcept
{
    return GetLastError();
}

bool set_foreground_window(WindowHandle window) noexcept
{
    return SetForegroundWindow(to_hwnd(window)) != FALSE;
}

int message_box(WindowHandle owner, const char* text, const char* caption,
                std::uint32_t style) noexcept
{
    return MessageBoxA(to_hwnd(owner), text, caption, style);
}

} // namespace

const DesktopCalls& system_desktop_calls() noexcept
{
    static constexpr DesktopCalls calls{find_window,           window_thread, screen_to_client,
                                        window_text,           parent_window, install_mouse_hook,
                                        call_next_hook,        remove_hook,   last_error,
                                        set_foreground_window, message_box};
    return calls;
}

} // namespace zt::platform
