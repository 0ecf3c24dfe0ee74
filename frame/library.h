// The library's lifetime: its module state and application object, what runs
// when a process loads and unloads it, and the per-call frame of the exports.
//
// How an export is built, and why nothing escapes one:
//   - An export (declared with ZT_NOEXCEPT in ztfunc32.h) converts its
//     arguments, runs its work through in_call_frame() and converts the result.
//   - Its work is a noexcept function of the subsystem. The failure handling
//     its Part gives (the tag functions' one handler per call, for instance) is
//     the only place in the library that catches.
//   - Everything the work calls outside the library reports failure by value:
//     the platform seam (platform/*.h, all noexcept) and the host libraries,
//     whose stand-ins catch in their own entry points.
// An exception that still reached an export would end the host's process.
#pragma once

#include "frame/application.h"
#include "framework/module_state.h"

#include <functional>
#include <type_traits>
#include <utility>

namespace zt::frame {

framework::ModuleState& library_module_state() noexcept;
CZtFunc32_71App& application() noexcept;

// Load and unload steps for `app`, under the library's module state; the
// caller's state is current again afterwards. attach() returns false when the
// application refuses to start (its exit step has then run).
bool attach(framework::CWinApp& app) noexcept;
void detach(framework::CWinApp& app) noexcept;

// Runs `work(args...)` with the library's module state current and restores
// the caller's state on the way out. The result is taken before the restore.
template <class Work, class... Args>
decltype(auto) in_call_frame(Work&& work, Args&&... args) noexcept
{
    static_assert(std::is_nothrow_invocable_v<Work, Args...>,
                  "an export's work handles its own failures and is declared noexcept");
    framework::ModuleStateScope scope(library_module_state());
    return std::invoke(std::forward<Work>(work), std::forward<Args>(args)...);
}

} // namespace zt::frame
