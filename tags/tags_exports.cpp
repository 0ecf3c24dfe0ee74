// Exports of the tag functions: tag queries and the engineering-units writer.
#include "frame/call_frame.h"
#include "tags/tags.h"
#include "ztfunc32.h"

using zt::frame::in_call_frame;

extern "C" {

ZT_API int32_t ZT_CALLER TagExists(const char* tag_name) ZT_NOEXCEPT
{
    return in_call_frame(zt::tags::tag_exists, tag_name);
}

ZT_API const char* ZT_CALLEE GetDiscOnMsg(const char* tag_name) ZT_NOEXCEPT
{
    return in_call_frame(zt::tags::get_disc_message, 1, tag_name);
}

ZT_API const char* ZT_CALLEE GetDiscOffMsg(const char* tag_name) ZT_NOEXCEPT
{
    return in_call_frame(zt::tags::get_disc_message, 0, tag_name);
}

ZT_API int32_t ZT_CALLER SetTagEU(const char* tag_name, const char* units) ZT_NOEXCEPT
{
    return in_call_frame(zt::tags::set_field, tag_name, units, zt::tags::units_field_offset);
}

} // extern "C"
