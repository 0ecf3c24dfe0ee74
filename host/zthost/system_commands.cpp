#include "system_commands.h"

#include "platform/drivers/desktop_driver.h"
#include "platform/drivers/system_driver.h"

#include <chrono>
#include <cstdio>
#include <ostream>

namespace zthost {
namespace {

namespace desktop = zt::platform::driver;
namespace simulated = zt::platform::system_driver;

std::string hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
}

std::string show_system(const std::string&, std::ostream& out)
{
    // A tone is recorded by its worker thread; let the workers finish first.
    simulated::wait_for_workers(std::chrono::seconds(2));
    for (const std::string& call : simulated::take_calls()) {
        out << "    system: " << call << "\n";
    }
    for (const desktop::MessageBoxRecord& box : desktop::take_message_boxes()) {
        out << "    message box \"" << box.caption << "\" (style " << hex(box.style) << "): \""
            << box.text << "\"\n";
    }
    const zt::platform::WindowHandle foreground = desktop::foreground_window();
    for (const desktop::WindowInfo& window : desktop::windows()) {
        if (window.handle == foreground) {
            out << "    foreground: window of class \"" << window.class_name << "\"\n";
        }
    }
    return "";
}

std::string set_platform(const std::string& arguments, std::ostream& out)
{
    unsigned long platform_id = 0;
    int length = 0;
    if (std::sscanf(arguments.c_str(), "%lu%n", &platform_id, &length) != 1 ||
        arguments.find_first_not_of(" \t", static_cast<std::size_t>(length)) != std::string::npos) {
        return ".platform ID: a platform identifier (2 NT line, 1 Windows 95 line)";
    }
    simulated::set_platform(static_cast<std::uint32_t>(platform_id));
    out << "    the system reports platform " << platform_id << "\n";
    return "";
}

std::string add_taskbar(const std::string&, std::ostream& out)
{
    if (desktop::create_window({"Shell_TrayWnd", "", nullptr, 0, 990, 1280, 34}) == nullptr) {
        return ".taskbar: the window could not be made";
    }
    out << "    a taskbar window is on the desktop\n";
    return "";
}

} // namespace

void add_system_commands(ScriptRunner& runner)
{
    runner.add_command("system", "what the simulated system was asked, message boxes shown",
                       show_system);
    runner.add_command("platform", "ID: the line of Windows the system reports (2 NT, 1 95)",
                       set_platform);
    runner.add_command("taskbar", "put a taskbar window on the desktop", add_taskbar);
}

} // namespace zthost
