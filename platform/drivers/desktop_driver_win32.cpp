#include "platform/drivers/desktop_driver.h"

#include <windows.h>

#include <algorithm>
#include <mutex>

namespace zt::platform::driver {
namespace {

// Windows made through create_window(), for windows().
std::mutex created_mutex;
std::vector<HWND> created;

// The latest pointer move of this thread that pump_messages() waits for.
thread_local bool move_pending = false;
thread_local POINT move_target{};

// How long pump_messages() waits for a move to arrive, and for the queue to
// stay quiet once it has.
constexpr DWORD arrival_timeout_ms = 2000;
constexpr DWORD quiet_period_ms = 20;

bool register_class(const char* class_name)
{
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = class_name;
    return RegisterClassA(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// SendInput's absolute coordinates: 0 to 65535 across the primary screen; the
// system takes pixel = coordinate * size / 65536, so round up.
LONG normalized(LONG pixel, int screen_size)
{
    if (screen_size <= 0) {
        return 0;
    }
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screen_size - 1) /
                             screen_size);
}

void dispatch_pending()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool at_target()
{
    POINT now{};
    return GetCursorPos(&now) && now.x == move_target.x && now.y == move_target.y;
}

std::string window_title(HWND window)
{
    // InternalGetWindowText sends no message, so a window of a thread that is
    // not pumping its messages cannot block the caller.
    wchar_t wide[512] = {};
    const int length = InternalGetWindowText(window, wide, 512);
    char text[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, length, text, sizeof text - 1, nullptr, nullptr);
    return text;
}

} // namespace

WindowHandle create_window(const WindowRequest& request) noexcept
{
    if (request.class_name == nullptr || !register_class(request.class_name)) {
        return nullptr;
    }
    // A top-level window is shown without being activated: Wine's X11 driver
    // leaves such a window to itself instead of to a window manager, which
    // under Xvfb there is none of (destroying a managed one waits 2 s for it).
    const bool child = request.parent != nullptr;
    const DWORD style = child ? WS_CHILD | WS_VISIBLE : WS_POPUP;
    HWND window = CreateWindowExA(
        0, request.class_name, request.title != nullptr ? request.title : "", style, request.left,
        request.top, request.width, request.height, static_cast<HWND>(request.parent), nullptr,
        GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    if (!child) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    try {
        const std::lock_guard lock(created_mutex);
        created.push_back(window);
    } catch (...) {
        DestroyWindow(window);
        return nullptr;
    }
    return window;
}

bool destroy_window(WindowHandle window) noexcept
{
    return DestroyWindow(static_cast<HWND>(window)) != FALSE;
}

bool set_window_title(WindowHandle window, const char* title) noexcept
{
    return SetWindowTextA(static_cast<HWND>(window), title) != FALSE;
}

ThreadId current_thread() noexcept
{
    return GetCurrentThreadId();
}

bool move_pointer(Point screen) noexcept
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = normalized(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = normalized(screen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    if (SendInput(1, &input, sizeof input) != 1) {
        return false;
    }
    move_pending = true;
    move_target = POINT{screen.x, screen.y};
    return true;
}

Point pointer_position() noexcept
{
    POINT now{};
    GetCursorPos(&now);
    return Point{now.x, now.y};
}

void pump_messages() noexcept
{
    if (move_pending) {
        move_pending = false;
        const DWORD start = GetTickCount();
        dispatch_pending();
        while (!at_target() && GetTickCount() - start < arrival_timeout_ms) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            dispatch_pending();
        }
    }
    dispatch_pending();
    while (MsgWaitForMultipleObjects(0, nullptr, FALSE, quiet_period_ms, QS_ALLINPUT) ==
           WAIT_OBJECT_0) {
        dispatch_pending();
    }
}

std::vector<WindowInfo> windows() noexcept
{
    try {
        std::vector<HWND> listed;
        {
            const std::lock_guard lock(created_mutex);
            std::erase_if(created, [](HWND window) { return !IsWindow(window); });
            listed = created;
        }
        std::vector<WindowInfo> infos;
        for (HWND window : listed) {
            char class_name[256] = {};
            GetClassNameA(window, class_name, sizeof class_name);
            RECT client{};
            GetClientRect(window, &client);
            POINT origin{0, 0};
            ClientToScreen(window, &origin);
            infos.push_back(WindowInfo{
                window, GetParent(window), class_name, window_title(window),
                Rect{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom}});
        }
        return infos;
    } catch (...) {
        return {};
    }
}

WindowHandle foreground_window() noexcept
{
    return GetForegroundWindow();
}

} // namespace zt::platform::driver
