#include "hotspots/registration.h"

#include "frame/error_report.h"
#include "frame/library.h"
#include "hotspots/hotspot_state.h"
#include "hotspots/mouse_hook.h"
#include "tags/activated_tag.h"
#include "tags/tag_failure.h"
#include "tags/tagport_connection.h"

#include <cstring>
#include <exception>
#include <limits>
#include <mutex>
#include <string_view>

namespace zt::hotspots {
namespace {

// Raised for a refused argument, after its own report.
constexpr std::int32_t invalid_argument = -25;

void refuse(const char* message)
{
    frame::report("%s", message);
    throw tags::TagFailure{invalid_argument};
}

// A text argument; a null pointer counts as the empty text.
std::string_view text_of(const char* text)
{
    return text != nullptr ? std::string_view(text) : std::string_view();
}

// The host thread is looked for on every call; the hook is installed once, on
// the thread found. A refused installation is tried again by the next call.
void find_host_and_hook_it(HotspotState& state)
{
    const platform::DesktopCalls& desktop = platform::desktop_calls();
    const platform::WindowHandle main_window = desktop.find_window(host_window_class, nullptr);
    state.host_thread = main_window != nullptr ? desktop.window_thread(main_window) : 0;
    // Without a host thread the installation would ask for a hook on every
    // thread of the desktop, which needs a module and fails; it is not tried.
    if (state.hook.load() == nullptr && state.host_thread != 0) {
        state.hook = desktop.install_mouse_hook(mouse_hook_procedure, state.host_thread);
    }
}

Rect checked_rect(std::string_view window_name, std::int32_t left, std::int32_t top,
                  std::int32_t width, std::int32_t height, std::string_view tag_name,
                  std::string_view value)
{
    if (left < 0 || top < 0) {
        refuse("CZtFunc32_71App::ZtCntx32 region is off the screen.");
    }
    if (height <= 0 || width <= 0) {
        refuse("CZtFunc32_71App::ZtCntx32 region width or height is invalid.");
    }
    if (window_name.empty()) {
        refuse("CZtFunc32_71App::ZtCntx32 window name is invalid.");
    }
    // Texts longer than their fields, and a rectangle beyond the coordinates.
    if (window_name.size() > window_name_limit) {
        refuse("CZtFunc32_71App::ZtCntx32 window name is too long.");
    }
    if (tag_name.size() > tag_name_limit) {
        refuse("CZtFunc32_71App::ZtCntx32 tag name is too long.");
    }
    if (value.size() > value_limit) {
        refuse("CZtFunc32_71App::ZtCntx32 value is too long.");
    }
    constexpr std::int32_t coordinate_max = std::numeric_limits<std::int32_t>::max();
    if (width > coordinate_max - left || height > coordinate_max - top) {
        refuse("CZtFunc32_71App::ZtCntx32 region is off the screen.");
    }
    return Rect{left, top, left + width, top + height};
}

// Records the hotspot; the first record of an empty list starts with no
// current hotspot.
void record(HotspotState& state, const HotspotFields& fields)
{
    if (state.hotspots.record(fields) == HotspotSet::Recorded::first) {
        state.current = nullptr;
    }
}

// Activates a message tag once into the tag table. A tag that cannot be
// activated or is not a message tag is given back and left out, unreported.
void enter_into_tag_table(TP_CONNECTION connection, std::string_view tag_name)
{
    auto& table = frame::application().tag_table;
    if (table.find(tag_name) != table.end()) {
        return;
    }
    const std::string name(tag_name);
    tags::ActivatedTag tag(connection, name.c_str());
    if (tag.activated() && tag.type() == TP_MESSAGE) {
        table.emplace(name, tag.handle());
        tag.keep();
    }
}

std::int32_t register_under_lock(const char* window_name, std::int32_t left, std::int32_t top,
                                 std::int32_t width, std::int32_t height, const char* tag_name,
                                 const char* value)
{
    HotspotState& state = hotspot_state();
    const std::lock_guard lock(state.lock);
    ++state.tag_table_generation;
    find_host_and_hook_it(state);
    const HotspotFields fields{checked_rect(text_of(window_name), left, top, width, height,
                                            text_of(tag_name), text_of(value)),
                               text_of(tag_name), text_of(value), text_of(window_name)};
    const TP_CONNECTION connection = tags::make_sure_of_connection();
    record(state, fields);
    enter_into_tag_table(connection, fields.tag_name);
    return 1;
}

} // namespace

std::int32_t register_hotspot(const char* window_name, std::int32_t left, std::int32_t top,
                              std::int32_t width, std::int32_t height, const char* tag_name,
                              const char* value) noexcept
{
    try {
        return register_under_lock(window_name, left, top, width, height, tag_name, value);
    } catch (const tags::TagFailure& failure) {
        if (failure.code == tags::connect_failed) {
            frame::report("Failure: ZtCntx32 Func. - Unable to connect to Tagport.");
            return cannot_connect;
        }
        frame::report("Failure: ZtCntx32 Func. - Unable to install specified context.");
        return refused;
    } catch (const std::exception& caught) {
        frame::report_exception(caught);
        return standard_exception;
    } catch (...) {
        frame::report("EXCEPTION: Caught in ZtCntx32() Function.");
        return unspecified_exception;
    }
}

} // namespace zt::hotspots
