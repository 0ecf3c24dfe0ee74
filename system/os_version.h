// Which line of Windows the library runs on.
#pragma once

#include <cstdint>

namespace zt::system {

// 1 on the NT line, 0 on the Windows 95 line, -1 for any other platform or
// when the version cannot be read.
std::int32_t system_is_nt() noexcept;

} // namespace zt::system
