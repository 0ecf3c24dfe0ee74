#include "hotspots/registration_checks.h"

#include "frame/error_report.h"
#include "hotspots/hotspots.h"

#include <limits>

namespace zt::hotspots {

void find_host_and_hook_it(HotspotState& state) noexcept
{
    const platform::DesktopCalls& desktop = platform::desktop_calls();
    const platform::WindowHandle main_window = desktop.find_window(host_window_class, nullptr);
    const platform::ThreadId host_thread =
        main_window != nullptr ? desktop.window_thread(main_window) : 0;
    state.host_thread = host_thread;
    // Without a host thread the installation would ask for a hook on every
    // thread of the desktop, which needs a module and fails; it is not tried.
    if (state.hook.load() != nullptr || host_thread == 0) {
        return;
    }
    // Two registrations at once may both install one: the second goes again.
    platform::HookHandle installed = desktop.install_mouse_hook(mouse_hook_procedure, host_thread);
    platform::HookHandle none = nullptr;
    if (installed != nullptr && !state.hook.compare_exchange_strong(none, installed)) {
        desktop.remove_hook(installed);
    }
}

std::optional<Rect> checked_rect(const RefusalTexts& texts, std::string_view window_name,
                                 std::int32_t left, std::int32_t top, std::int32_t width,
                                 std::int32_t height, std::string_view tag_name,
                                 std::string_view value) noexcept
{
    constexpr std::int32_t coordinate_max = std::numeric_limits<std::int32_t>::max();
    const char* refusal = nullptr;
    if (left < 0 || top < 0) {
        refusal = texts.off_screen;
    } else if (height <= 0 || width <= 0) {
        refusal = texts.bad_size;
    } else if (window_name.empty()) {
        refusal = texts.no_window_name;
    } else if (window_name.size() > window_name_limit) {
        refusal = texts.window_name_too_long;
    } else if (tag_name.size() > tag_name_limit) {
        refusal = texts.tag_name_too_long;
    } else if (value.size() > value_limit) {
        refusal = texts.value_too_long;
    }
    // A far corner beyond the coordinates lies off the screen as well; that is
    // asked only of arguments that passed every other check.
    if (refusal == nullptr && (width > coordinate_max - left || height > coordinate_max - top)) {
        refusal = texts.off_screen;
    }
    if (refusal != nullptr) {
        frame::report_text(refusal);
        return std::nullopt;
    }
    return Rect{left, top, left + width, top + height};
}

} // namespace zt::hotspots
