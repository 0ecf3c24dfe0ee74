#include "platform/raw_file.h"

namespace zt::platform {

namespace {

// Made when the library loads (no lock guards its first use, which may come
// from any thread).
RawFileCalls calls_in_use = system_raw_file_calls();

} // namespace

RawFileCalls& raw_file_calls() noexcept
{
    return calls_in_use;
}

} // namespace zt::platform
