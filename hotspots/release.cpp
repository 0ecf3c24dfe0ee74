#include "hotspots/release.h"

#include "frame/error_report.h"
#include "frame/library.h"
#include "hotspots/hotspot_state.h"
#include "tags/tag_release.h"

#include <mutex>

namespace zt::hotspots {

void release_hotspots() noexcept
{
    HotspotState& state = hotspot_state();
    const std::lock_guard lock(state.lock);
    if (state.hotspots.empty()) {
        return;
    }
    // The current hotspot goes with the records, so that a hook left behind by
    // a failed removal never touches a freed one.
    state.current = nullptr;
    state.hotspots.clear();
    ++state.tag_table_generation;
    if (!remove_hook(state)) {
        // The handle stays: the next release that finds hotspots tries again.
        frame::report("CZtFunc32_71App::Ztcntx32Cleanup Failed with error 0x%0x",
                      platform::desktop_calls().last_error());
    }
    tags::release_tag_table_and_connection(frame::application());
}

} // namespace zt::hotspots
