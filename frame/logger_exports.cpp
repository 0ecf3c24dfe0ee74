// The current release's exports of the logger binding. Neither runs in the
// per-call frame; they use no framework service.
#include "frame/logger_binding.h"
#include "ztfunc32.h"

extern "C" {

ZT_API void ZT_CALLEE ZtDllInit(void) ZT_NOEXCEPT
{
    zt::frame::bind_logger(zt::frame::library_module_name);
}

// Releases nothing: hotspots, tags and the connection belong to ZtCntx32Cleanup
// and to the library's unloading, and the logger stays bound.
ZT_API void ZT_CALLEE ZtDllFree(void) ZT_NOEXCEPT {}

} // extern "C"
