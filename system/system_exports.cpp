// Exports of system control that both releases have: shutdown, OS detection
// and tone. The current release runs them in its per-call frame (but
// ZtShutDownWin95, which uses no framework service); the earlier one has none.
#include "frame/call_frame.h"
#include "system/system.h"
#include "ztfunc32.h"

using zt::frame::in_call_frame;

extern "C" {

ZT_API int32_t ZT_CALLER ZtShutDownWinNT40(int32_t shut_down_flag) ZT_NOEXCEPT
{
    return in_call_frame(zt::system::shut_down_nt, shut_down_flag);
}

// Without the per-call frame: it uses no framework service.
ZT_API int32_t ZT_CALLER ZtShutDownWin95(int32_t shut_down_flag) ZT_NOEXCEPT
{
    return zt::system::shut_down_95(shut_down_flag);
}

ZT_API void ZT_CALLER ZtBeep32(int32_t frequency, int32_t duration_ms) ZT_NOEXCEPT
{
    in_call_frame(zt::system::beep, frequency, duration_ms);
}

ZT_API int32_t ZT_CALLER SystemIsNT(void) ZT_NOEXCEPT
{
    return in_call_frame(zt::system::system_is_nt);
}

} // extern "C"
