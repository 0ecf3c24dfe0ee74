// Linked into the current release (3.8.0.0) only: its exports run with the
// library's own module state current, and the caller's state is restored on
// every way out.
#include "frame/call_frame.h"

namespace zt::frame {
namespace {

// The library's module state exists before anything else of the library runs:
// it is constant data.
constinit mfc::ModuleState module_state{"ZtFunc32"};

} // namespace

mfc::ModuleState& library_module_state() noexcept
{
    return module_state;
}

Release linked_release() noexcept
{
    return Release::current;
}

CallFrame::CallFrame() noexcept
    : callers_state_(&mfc::exchange_module_state(library_module_state()))
{
}

CallFrame::~CallFrame()
{
    mfc::exchange_module_state(*callers_state_);
}

} // namespace zt::frame
