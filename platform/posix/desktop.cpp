// The desktop seam over the simulated desktop. A simulation that runs out of
// memory fails the call, as the window manager would.
#include "platform/desktop.h"

#include "platform/simulated/simulated_desktop.h"

namespace zt::platform {
namespace {

using simulated::SimulatedDesktop;

WindowHandle find_window(const char* class_name, const char* title) noexcept
{
    return SimulatedDesktop::instance().find_window(class_name, title);
}

ThreadId window_thread(WindowHandle window) noexcept
{
    return SimulatedDesktop::instance().window_thread(window);
}

bool screen_to_client(WindowHandle window, Point& point) noexcept
{
    return SimulatedDesktop::instance().screen_to_client(window, point);
}

int window_text(WindowHandle window, char* buffer, int capacity) noexcept
{
    return SimulatedDesktop::instance().window_text(window, buffer, capacity);
}

WindowHandle parent_window(WindowHandle window) noexcept
{
    return SimulatedDesktop::instance().parent_window(window);
}

HookHandle install_mouse_hook(MouseHookProcedure procedure, ThreadId thread) noexcept
{
    try {
        return SimulatedDesktop::instance().install_mouse_hook(procedure, thread);
    } catch (...) {
        return nullptr;
    }
}

HookResult call_next_hook(HookHandle hook, int code, HookMessage message,
                          HookArgument record) noexcept
{
    return SimulatedDesktop::instance().call_next_hook(hook, code, message, record);
}

bool remove_hook(HookHandle hook) noexcept
{
    return SimulatedDesktop::instance().remove_hook(hook);
}

std::uint32_t last_error() noexcept
{
    return SimulatedDesktop::last_error();
}

bool set_foreground_window(WindowHandle window) noexcept
{
    return SimulatedDesktop::instance().set_foreground_window(window);
}

int message_box(WindowHandle owner, const char* text, const char* caption,
                std::uint32_t style) noexcept
{
    try {
        return SimulatedDesktop::instance().message_box(owner, text, caption, style);
    } catch (...) {
        return 0; // MessageBoxA's answer when it cannot show the box
    }
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
