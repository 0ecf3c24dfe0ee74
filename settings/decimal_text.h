// Signed 32-bit integers as the decimal text the settings files hold: a
// leading "-" for negative values, no padding, no group separators.
#pragma once

#include <array>
#include <charconv>
#include <cstdint>

namespace zt::settings {

// Room for "-2147483648" and the terminator.
using DecimalText = std::array<char, 12>;

inline DecimalText decimal_text(std::int32_t value)
{
    DecimalText text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size() - 1, value).ptr;
    *end = '\0';
    return text;
}

} // namespace zt::settings
