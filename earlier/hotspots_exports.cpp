// The earlier release's hotspot export. It runs in no frame and leaves its
// arguments to the caller; the hotspots are released when the library is
// unloaded, as there is no ZtCntx32Cleanup.
#include "earlier/hotspot_registration.h"
#include "ztfunc32.h"

extern "C" {

ZT_API int32_t ZT_CALLER ZtCntx32(const char* window_name, int32_t left, int32_t top, int32_t width,
                                  int32_t height, const char* tag_name,
                                  const char* value) ZT_NOEXCEPT
{
    return zt::earlier::register_hotspot(window_name, left, top, width, height, tag_name, value);
}

} // extern "C"
