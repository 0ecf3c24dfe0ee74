// Signed 32-bit integers as the decimal text the settings files hold: a
// leading "-" for negative values, no padding, no group separators.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>

namespace zt::settings {

// Room for "-2147483648" and the terminator.
using DecimalText = std::array<char, 12>;

// Not std::to_chars: its digit table is a process-unique symbol, and a shared
// library holding one can never be unloaded, which a host relies on.
inline DecimalText decimal_text(std::int32_t value) noexcept
{
    DecimalText text{};
    std::snprintf(text.data(), text.size(), "%ld", static_cast<long>(value));
    return text;
}

} // namespace zt::settings
