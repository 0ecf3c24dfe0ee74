// Exports of the tag functions: tag queries and the engineering-units writer.
#include "frame/library.h"
#include "tags/tag_queries.h"
#include "tags/units_writer.h"
#include "ztfunc32.h"

extern "C" {

ZT_API int32_t ZT_CALLER TagExists(const char* tag_name)
{
    return zt::frame::in_call_frame([&] { return zt::tags::tag_exists(tag_name); });
}

ZT_API const char* ZT_CALLEE GetDiscOnMsg(const char* tag_name)
{
    return zt::frame::in_call_frame([&] { return zt::tags::get_disc_message(1, tag_name); });
}

ZT_API const char* ZT_CALLEE GetDiscOffMsg(const char* tag_name)
{
    return zt::frame::in_call_frame([&] { return zt::tags::get_disc_message(0, tag_name); });
}

ZT_API int32_t ZT_CALLER SetTagEU(const char* tag_name, const char* units)
{
    return zt::frame::in_call_frame(
        [&] { return zt::tags::set_field(tag_name, units, zt::tags::units_field_offset); });
}

} // extern "C"
