// The current release's lifetime: its module state and application object,
// and what runs when a process loads and unloads it.
#pragma once

#include "frame/application.h"
#include "frame/call_frame.h"
#include "framework/module_state.h"

namespace zt::frame {

framework::ModuleState& library_module_state() noexcept;
CZtFunc32_71App& application() noexcept;

// Load and unload steps for `app`, under the library's module state; the
// caller's state is current again afterwards. attach() returns false when the
// application refuses to start (its exit step has then run).
bool attach(framework::CWinApp& app) noexcept;
void detach(framework::CWinApp& app) noexcept;

} // namespace zt::frame
