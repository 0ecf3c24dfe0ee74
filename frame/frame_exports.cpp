// PasteFunc, the call templates for the host's script editor. It runs in no
// call frame: it uses no framework service.
#include "frame/call_frame.h"
#include "frame/call_templates.h"
#include "ztfunc32.h"

extern "C" {

ZT_API int32_t ZT_CALLER PasteFunc(const char* function_name, char* buffer) ZT_NOEXCEPT
{
    return zt::frame::paste_call_template(function_name, buffer, zt::frame::linked_release());
}

} // extern "C"
