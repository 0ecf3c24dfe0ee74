#include "framework/module_state.h"

namespace zt::framework {
namespace {

ModuleState host_state{"host"};
thread_local ModuleState* current_state = nullptr;
thread_local const ModuleState* switched_from = nullptr;

} // namespace

ModuleState& current_module_state() noexcept
{
    return current_state != nullptr ? *current_state : host_state;
}

ModuleState& exchange_module_state(ModuleState& state) noexcept
{
    ModuleState& previous = current_module_state();
    current_state = &state;
    switched_from = &previous;
    return previous;
}

const ModuleState* last_state_switched_from() noexcept
{
    return switched_from;
}

} // namespace zt::framework
