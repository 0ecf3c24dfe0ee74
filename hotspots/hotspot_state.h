// What the hotspot functions share: the registered hotspots, the current
// hotspot, the installed mouse hook and the host thread.
// Everything but the hook handle is read and written under the lock.
#pragma once

#include "hotspots/hotspot_lock.h"
#include "hotspots/hotspot_set.h"
#include "platform/desktop.h"

#include <atomic>

namespace zt::hotspots {

// Newest first in the earlier release, in registration order in the current one.
ListKind hotspot_list_kind() noexcept;

struct HotspotState {
    HotspotLock lock;
    HotspotSet hotspots{hotspot_list_kind()};
    // The hotspot whose value the hook last wrote to its tag, or null.
    const HotspotRecord* current = nullptr;
    // Read without the lock by the hook, to pass each message on.
    std::atomic<platform::HookHandle> hook{nullptr};
    // The thread of the host runtime's main window, as found by the latest registration.
    platform::ThreadId host_thread = 0;
    // Moved on by every registration and release and by the library's exit
    // step, the only ones that change the tag table: a record's TagLink of an
    // older generation is looked up again.
    std::uint64_t tag_table_generation = 1;
};

HotspotState& hotspot_state() noexcept;

// Removes the hook if one is installed; true when none is left.
bool remove_hook(HotspotState& state) noexcept;

// What a release gives back of the hotspots when the library is unloaded.
using ExitRelease = void (*)(HotspotState& state) noexcept;

// The library's exit step: runs `release` (if any) on the state, then removes
// a hook that is still installed, so that no hook procedure outlives the
// library; under the lock if it can be had in time, and without it otherwise
// (at the end of the process no other thread runs any more). Nothing once the
// library's statics are gone, and their hook with them. Without a release the
// hotspots stay until the statics go.
void remove_hook_at_exit(ExitRelease release = nullptr) noexcept;

} // namespace zt::hotspots
