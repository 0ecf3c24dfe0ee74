#include "hotspots/hotspot_state.h"

#include <chrono>

namespace zt::hotspots {
namespace {

// The state in service from its construction to its destruction. Natively the
// library's statics may go before the exit step runs; the flag, constant and
// trivially destroyed, tells the exit step whether there is still a state.
constinit std::atomic<bool> in_service{false};

// How long the exit step waits for a registration or a hook call to finish.
constexpr std::chrono::milliseconds exit_patience{200};

// Removes the hook under the lock if it can be had in time, and without it
// otherwise (at the end of the process no other thread runs any more).
void remove_hook_before_leaving(HotspotState& state) noexcept
{
    const bool locked = state.lock.try_lock_for(exit_patience);
    remove_hook(state);
    ++state.tag_table_generation;
    if (locked) {
        state.lock.unlock();
    }
}

class ServedState {
  public:
    ServedState() { in_service = true; }
    ~ServedState()
    {
        remove_hook_before_leaving(state);
        in_service = false;
    }
    ServedState(const ServedState&) = delete;
    ServedState& operator=(const ServedState&) = delete;

    HotspotState state;
};

ServedState served;

} // namespace

HotspotState& hotspot_state() noexcept
{
    return served.state;
}

bool remove_hook(HotspotState& state) noexcept
{
    const platform::HookHandle hook = state.hook.load();
    if (hook == nullptr) {
        return true;
    }
    if (!platform::desktop_calls().remove_hook(hook)) {
        return false;
    }
    state.hook = nullptr;
    return true;
}

void remove_hook_at_exit() noexcept
{
    if (!in_service) {
        return; // gone with the statics, and its hook with it
    }
    remove_hook_before_leaving(hotspot_state());
}

} // namespace zt::hotspots
