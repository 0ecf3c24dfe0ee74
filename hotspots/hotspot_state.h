// What the hotspot functions share: the registered hotspots, the current
// hotspot, the installed mouse hook and the host thread.
//
// Registration and cleanup change the hotspots, and the hook reads them,
// under the state's lock, which each holds for a moment only (see
// frame/spin_lock.h). The hook copies what its tag writes need and writes
// after the lock, so a call that a tag write leads back into the library (a
// script the host runs at once, on the hook's thread or on a thread the host
// waits for) never waits for the hook.
#pragma once

#include "frame/spin_lock.h"
#include "hotspots/hotspot_set.h"
#include "platform/desktop.h"

#include <atomic>

namespace zt::hotspots {

// Newest first in the earlier release, in registration order in the current one.
ListKind hotspot_list_kind() noexcept;

struct HotspotState {
    frame::SpinLock lock;
    // Under the lock.
    HotspotSet hotspots{hotspot_list_kind()};
    // Under the lock: the hotspot whose value the hook last wrote to its tag, or null.
    const HotspotRecord* current = nullptr;

    std::atomic<platform::HookHandle> hook{nullptr};
    // The thread of the host runtime's main window, as found by the latest registration.
    std::atomic<platform::ThreadId> host_thread{0};
    // Set while the hook handles a message, against handling another one
    // inside it (through anything the handling calls): that one is passed on.
    std::atomic<bool> hook_busy{false};
};

HotspotState& hotspot_state() noexcept;

// Removes the hook if one is installed; true when none is left.
bool remove_hook(HotspotState& state) noexcept;

// What the cleanup of the hotspots gives back when the library is unloaded.
using ExitCleanup = void (*)(HotspotState& state) noexcept;

// The library's exit step: waits a moment for the lock (at the end of the
// process its holder may be gone), runs `cleanup` (if any) under it, then
// removes a hook that is still installed, so that no hook procedure outlives
// the library. Nothing once the library's statics are gone, and their hook with
// them. Without a cleanup the hotspots stay until the statics go.
void remove_hook_at_exit(ExitCleanup cleanup = nullptr) noexcept;

} // namespace zt::hotspots
