#include "mfc/module_state.h"

#include "platform/this_thread.h"

namespace zt::mfc {
namespace {

ModuleState host_state{"host"};

// Each thread's current state, and the one it last switched away from; made
// when the library loads and given back when it unloads.
struct ThreadStates {
    platform::ThreadSlot current;
    platform::ThreadSlot switched_from;
} states;

ThreadStates& thread_states() noexcept
{
    return states;
}

} // namespace

ModuleState& current_module_state() noexcept
{
    auto* const state = static_cast<ModuleState*>(thread_states().current.get());
    return state != nullptr ? *state : host_state;
}

ModuleState& exchange_module_state(ModuleState& state) noexcept
{
    ModuleState& previous = current_module_state();
    thread_states().current.set(&state);
    thread_states().switched_from.set(&previous);
    return previous;
}

const ModuleState* last_state_switched_from() noexcept
{
    return static_cast<const ModuleState*>(thread_states().switched_from.get());
}

} // namespace zt::mfc
