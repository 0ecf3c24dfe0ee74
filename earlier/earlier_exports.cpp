// The earlier release's exports of its own tag functions and hotspot
// registration. They run in no frame and leave their arguments to the caller,
// GetDiscOnMsg and GetDiscOffMsg included; there is no ZtCntx32Cleanup: the
// hotspots go when the library is unloaded.
#include "earlier/earlier.h"
#include "tags/tag_file.h"
#include "ztfunc32.h"

extern "C" {
ZT_API int32_t ZT_CALLER TagExists(const char* tag_name) ZT_NOEXCEPT
{
    return zt::earlier::tag_exists(tag_name);
}

ZT_API const char* ZT_CALLER GetDiscOnMsg(const char* tag_name) ZT_NOEXCEPT
{
    return zt::earlier::get_disc_message(1, tag_name);
}

ZT_API const char* ZT_CALLER GetDiscOffMsg(const char* tag_name) ZT_NOEXCEPT
{
    return zt::earlier::get_disc_message(0, tag_name);
}

ZT_API int32_t ZT_CALLER SetTagEU(const char* tag_name, const char* units) ZT_NOEXCEPT
{
    return zt::earlier::set_field(tag_name, units, zt::tags::units_field_offset);
}

ZT_API int32_t ZT_CALLER ZtCntx32(const char* window_name, int32_t left, int32_t top, int32_t width,
                                  int32_t height, const char* tag_name,
                                  const char* value) ZT_NOEXCEPT
{
    return zt::earlier::register_hotspot(window_name, left, top, width, height, tag_name, value);
}

} // extern "C"
