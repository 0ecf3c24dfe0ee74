// The library's lifetime: its module state and application object, what runs
// when a process loads and unloads it, and the per-call frame of the exports.
#pragma once

#include "frame/application.h"
#include "framework/module_state.h"

#include <utility>

namespace zt::frame {

framework::ModuleState& library_module_state();
CZtFunc32_71App& application();

// Load and unload steps for `app`, under the library's module state; the
// caller's state is current again afterwards. attach() returns false when the
// application refuses to start (its exit step has then run).
bool attach(framework::CWinApp& app);
void detach(framework::CWinApp& app);

// Runs `work` with the library's module state current and restores the
// caller's state on every way out. The result is taken before the restore.
template <class Work> decltype(auto) in_call_frame(Work&& work)
{
    framework::ModuleStateScope scope(library_module_state());
    return std::forward<Work>(work)();
}

} // namespace zt::frame
