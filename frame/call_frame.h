// The per-call frame of the exports, and the release a library is linked as.
//
// How an export is built, and why nothing escapes one:
//   - An export (declared with ZT_NOEXCEPT in ztfunc32.h) converts its
//     arguments, runs its work through in_call_frame() and converts the result.
//   - Its work is a noexcept function of the subsystem. The subsystem's own
//     failure handling (the one handler per call of the tag and hotspot
//     functions, tags::handle_failures) is the only place in the library that
//     catches.
//   - Everything the work calls outside the library reports failure by value:
//     the platform seam (platform/*.h, all noexcept) and the host libraries,
//     whose stand-ins catch in their own entry points.
// An exception that still reached an export would end the host's process.
//
// Both releases are built from the same export code. What differs is chosen
// when a library is linked, by the one file that defines what this header
// declares: frame/linked_as_current.cpp (3.8.0.0: the frame makes the
// library's module state current for the call) or earlier/linked_as_earlier.cpp
// (3.7.0.0: no frame at all).
#pragma once

#include "mfc/module_state.h"

#include <functional>
#include <type_traits>
#include <utility>

namespace zt::frame {

enum class Release {
    current, // 3.8.0.0
    earlier, // 3.7.0.0
};

Release linked_release() noexcept;

// The library's own module state, which the current release's frame makes
// current for the length of each call.
mfc::ModuleState& library_module_state() noexcept;

// Enters the frame when made and leaves it, giving the caller back its module
// state, when it goes.
class CallFrame {
  public:
    CallFrame() noexcept;
    ~CallFrame();
    CallFrame(const CallFrame&) = delete;
    CallFrame& operator=(const CallFrame&) = delete;

  private:
    // The earlier release enters no frame and leaves it unused.
    [[maybe_unused]] mfc::ModuleState* callers_state_ = nullptr;
};

// Runs `work(args...)` inside the frame. The result is taken before the frame
// is left.
template <class Work, class... Args>
decltype(auto) in_call_frame(Work&& work, Args&&... args) noexcept
{
    static_assert(std::is_nothrow_invocable_v<Work, Args...>,
                  "an export's work handles its own failures and is declared noexcept");
    const CallFrame frame;
    return std::invoke(std::forward<Work>(work), std::forward<Args>(args)...);
}

} // namespace zt::frame
