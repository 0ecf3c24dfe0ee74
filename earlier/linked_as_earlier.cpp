// Linked into the earlier release (3.7.0.0) only: it has no application object
// and no framework module state, so its exports run in no frame.
#include "frame/call_frame.h"

namespace zt::frame {

Release linked_release() noexcept
{
    return Release::earlier;
}

// Nothing to enter and nothing to leave. (Defined, not defaulted: the current
// release's frame has work to do here.)
CallFrame::CallFrame() noexcept {}

CallFrame::~CallFrame() {}

} // namespace zt::frame
