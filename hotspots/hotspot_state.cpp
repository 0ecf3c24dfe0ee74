#include "hotspots/hotspot_state.h"

#include "frame/call_frame.h"

namespace zt::hotspots {
namespace {

// The state in service from its construction to its destruction. Natively the
// library's statics may go before the exit step runs; the flag, constant and
// trivially destroyed, tells the exit step whether there is still a state.
constinit std::atomic<bool> in_service{false};

// How long the exit step waits for the lock.
constexpr std::uint32_t exit_patience_ms = 200;

void remove_hook_before_leaving(HotspotState& state, ExitCleanup cleanup = nullptr) noexcept
{
    const bool locked = state.lock.try_lock_for(exit_patience_ms);
    if (cleanup != nullptr) {
        cleanup(state);
    }
    if (locked) {
        state.lock.unlock();
    }
    remove_hook(state);
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

} // namespace

ListKind hotspot_list_kind() noexcept
{
    return frame::linked_release() == frame::Release::earlier ? ListKind::newest_first
                                                              : ListKind::registration_order;
}

HotspotState& hotspot_state() noexcept
{
    // Made on first use, so that whoever asks for it while being made itself
    // (the native unload step) is destroyed before it.
    static ServedState served;
    return served.state;
}

namespace {

// Made as the library loads at the latest, so that it outlives whatever the
// process arranges to run at its end after that (a host's atexit handler that
// still registers a hotspot).
[[maybe_unused]] const HotspotState& made_at_load = hotspot_state();

} // namespace

bool remove_hook(HotspotState& state) noexcept
{
    platform::HookHandle hook = state.hook.load();
    if (hook == nullptr) {
        return true;
    }
    if (!platform::desktop_calls().remove_hook(hook)) {
        return false;
    }
    state.hook.compare_exchange_strong(hook, nullptr);
    return true;
}

void remove_hook_at_exit(ExitCleanup cleanup) noexcept
{
    if (!in_service) {
        return; // gone with the statics, and its hook with it
    }
    remove_hook_before_leaving(hotspot_state(), cleanup);
}

} // namespace zt::hotspots
