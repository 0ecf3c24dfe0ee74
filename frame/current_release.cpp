// Linked into the current release (3.8.0.0) only: its exports run with the
// library's own module state current, and the caller's state is restored on
// every way out.
#include "frame/call_frame.h"
#include "frame/library.h"

namespace zt::frame {

Release linked_release() noexcept
{
    return Release::current;
}

CallFrame::CallFrame() noexcept
    : callers_state_(&framework::exchange_module_state(library_module_state()))
{
}

CallFrame::~CallFrame()
{
    framework::exchange_module_state(*callers_state_);
}

} // namespace zt::frame
