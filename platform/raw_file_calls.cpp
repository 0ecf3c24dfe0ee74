#include "platform/raw_file.h"

namespace zt::platform {

RawFileCalls& raw_file_calls() noexcept
{
    static RawFileCalls calls_in_use = system_raw_file_calls();
    return calls_in_use;
}

} // namespace zt::platform
