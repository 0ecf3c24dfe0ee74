#include "hotspots/hotspots.h"

#include "frame/error_report.h"
#include "hotspots/hotspot_state.h"
#include "tags/shared_tags.h"

#include <mutex>

namespace zt::hotspots {

void clean_up_hotspots() noexcept
{
    HotspotState& state = hotspot_state();
    HotspotSet::Discarded discarded; // freed after the lock
    tags::SessionRef taken;
    {
        const std::lock_guard lock(state.lock);
        if (state.hotspots.empty()) {
            return;
        }
        // The current hotspot goes with the records, so that a hook left
        // behind by a failed removal never touches a freed one.
        state.current = nullptr;
        state.hotspots.take_all(discarded);
        taken = tags::shared_tags().take();
    }
    if (!remove_hook(state)) {
        // The handle stays: the next cleanup that finds hotspots tries again.
        frame::report("CZtFunc32_71App::Ztcntx32Cleanup Failed with error 0x%0x",
                      platform::desktop_calls().last_error());
    }
    // The tags and the connection go back now, or, while a tag write of the
    // hook (or another call) still uses them, as soon as it is done.
    taken.reset();
}

} // namespace zt::hotspots
