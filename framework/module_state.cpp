#include "framework/module_state.h"

namespace zt::framework {
namespace {

ModuleState host_state{"host"};
thread_local ModuleState* current_state = nullptr;

} // namespace

ModuleState& host_module_state()
{
    return host_state;
}

ModuleState& current_module_state()
{
    return current_state != nullptr ? *current_state : host_state;
}

ModuleState& exchange_module_state(ModuleState& state)
{
    ModuleState& previous = current_module_state();
    current_state = &state;
    return previous;
}

} // namespace zt::framework
