#include "platform/drivers/desktop_driver.h"

#include "platform/simulated/simulated_desktop.h"

namespace zt::platform::driver {

using simulated::SimulatedDesktop;

WindowHandle create_window(const WindowRequest& request) noexcept
{
    try {
        return SimulatedDesktop::instance().create_window(request);
    } catch (...) {
        return nullptr;
    }
}

bool destroy_window(WindowHandle window) noexcept
{
    try {
        return SimulatedDesktop::instance().destroy_window(window);
    } catch (...) {
        return false;
    }
}

bool set_window_title(WindowHandle window, const char* title) noexcept
{
    try {
        return SimulatedDesktop::instance().set_window_title(window, title);
    } catch (...) {
        return false;
    }
}

ThreadId current_thread() noexcept
{
    return SimulatedDesktop::current_thread();
}

bool move_pointer(Point screen) noexcept
{
    try {
        return SimulatedDesktop::instance().move_pointer(screen);
    } catch (...) {
        return false;
    }
}

Point pointer_position() noexcept
{
    return SimulatedDesktop::instance().pointer_position();
}

void pump_messages() noexcept
{
    SimulatedDesktop::instance().pump_messages();
}

std::vector<WindowInfo> windows() noexcept
{
    try {
        return SimulatedDesktop::instance().windows();
    } catch (...) {
        return {};
    }
}

WindowHandle foreground_window() noexcept
{
    return SimulatedDesktop::instance().foreground_window();
}

std::vector<MessageBoxRecord> take_message_boxes() noexcept
{
    try {
        return SimulatedDesktop::instance().take_message_boxes();
    } catch (...) {
        return {};
    }
}

} // namespace zt::platform::driver
