// Export of the taskbar function, which only the current release has.
#include "frame/call_frame.h"
#include "system/system.h"
#include "ztfunc32.h"

extern "C" {

ZT_API void ZT_CALLER ZtShowWindowsTaskbar(void) ZT_NOEXCEPT
{
    zt::frame::in_call_frame(zt::system::show_taskbar);
}

} // extern "C"
