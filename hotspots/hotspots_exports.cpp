// Exports of the screen hotspots: registration and release.
#include "frame/call_frame.h"
#include "hotspots/hotspots.h"
#include "ztfunc32.h"

using zt::frame::in_call_frame;

extern "C" {

ZT_API int32_t ZT_CALLER ZtCntx32(const char* window_name, int32_t left, int32_t top, int32_t width,
                                  int32_t height, const char* tag_name,
                                  const char* value) ZT_NOEXCEPT
{
    return in_call_frame(zt::hotspots::register_hotspot, window_name, left, top, width, height,
                         tag_name, value);
}

ZT_API void ZT_CALLER ZtCntx32Cleanup(void) ZT_NOEXCEPT
{
    in_call_frame(zt::hotspots::clean_up_hotspots);
}

} // extern "C"
