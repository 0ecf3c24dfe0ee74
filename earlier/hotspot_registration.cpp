#include "earlier/earlier.h"

#include "frame/error_report.h"
#include "hotspots/hotspot_state.h"
#include "hotspots/registration_checks.h"

#include <exception>
#include <mutex>
#include <optional>

namespace zt::earlier {
namespace {

using hotspots::HotspotFields;
using hotspots::HotspotSet;
using hotspots::HotspotState;
using hotspots::text_of;

constexpr std::int32_t recorded = 1;
constexpr std::int32_t refused = -1;

constexpr hotspots::RefusalTexts refusal_texts{
    "CZtFunc32App::ZtCntx32 region is off the screen.",
    "CZtFunc32App::ZtCntx32 region width or height is invalid.",
    "CZtFunc32App::ZtCntx32 window name is invalid.",
    "CZtFunc32App::ZtCntx32 window name is too long.",
    "CZtFunc32App::ZtCntx32 tag name is too long.",
    "CZtFunc32App::ZtCntx32 value is too long.",
};

// Frees the hotspots; when a hook is installed, removes it (its answer is not
// examined) and says so. Run by the library's exit step.
void clean_up_hotspots(HotspotState& state) noexcept
{
    if (state.hotspots.empty()) {
        return;
    }
    state.current = nullptr;
    state.hotspots.clear();
    if (const platform::HookHandle hook = state.hook.load()) {
        platform::desktop_calls().remove_hook(hook);
        state.hook = nullptr;
        frame::report("CZtFunc32App::Ztcntx32 -- Completed release of heap memory.");
    }
}

} // namespace

std::int32_t register_hotspot(const char* window_name, std::int32_t left, std::int32_t top,
                              std::int32_t width, std::int32_t height, const char* tag_name,
                              const char* value) noexcept
{
    HotspotState& state = hotspots::hotspot_state();
    hotspots::find_host_and_hook_it(state);
    const std::optional<hotspots::Rect> rect =
        hotspots::checked_rect(refusal_texts, text_of(window_name), left, top, width, height,
                               text_of(tag_name), text_of(value));
    if (!rect) {
        return refused;
    }
    try {
        const HotspotFields fields{*rect, text_of(tag_name), text_of(value), text_of(window_name)};
        const std::lock_guard lock(state.lock);
        if (state.hotspots.record(fields) == HotspotSet::Recorded::first) {
            state.current = nullptr;
        }
    } catch (const std::exception& caught) {
        // No memory for the record: nothing is recorded.
        frame::report_exception(caught);
        return refused;
    }
    return recorded;
}

void clean_up_hotspots_at_unload() noexcept
{
    // A hook that a refused registration installed goes too, though there is
    // no hotspot to clean up: no hook procedure outlives the library.
    hotspots::remove_hook_at_exit(clean_up_hotspots);
}

} // namespace zt::earlier
