#include "system/system.h"

#include "frame/error_report.h"
#include "platform/system_control.h"

#include <memory>
#include <new>

namespace zt::system {

std::int32_t system_is_nt() noexcept
{
    const std::unique_ptr<platform::OsVersionInfo> info(new (std::nothrow)
                                                            platform::OsVersionInfo{});
    if (info == nullptr) {
        frame::report("SystemIsNT could not create OSVERSIONINFO structure");
        return -1;
    }
    info->size = sizeof(platform::OsVersionInfo);
    if (!platform::system_control_calls().get_version(*info)) {
        return -1;
    }
    switch (info->platform_id) {
    case platform::platform_windows_nt:
        return 1;
    case platform::platform_windows_95:
        return 0;
    default:
        return -1;
    }
}

} // namespace zt::system
