// The earlier release's exports of the tag functions. They run in no frame,
// and GetDiscOnMsg and GetDiscOffMsg leave their argument to the caller.
#include "earlier/tag_queries.h"
#include "earlier/units_writer.h"
#include "tags/units_field.h"
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

} // extern "C"
