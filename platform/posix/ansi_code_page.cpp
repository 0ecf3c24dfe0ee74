#include "platform/posix/ansi_code_page.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace zt::platform::posix {

namespace {

// Bytes 0x80 to 0x9F; all other bytes are the character of the same number.
constexpr std::array<char32_t, 32> upper_controls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char32_t code_point_of_ansi(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? upper_controls[byte - 0x80] : char32_t{byte};
}

unsigned char ansi_of_code_point(char32_t code_point)
{
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
        return static_cast<unsigned char>(code_point);
    }
    const auto found = std::find(upper_controls.begin(), upper_controls.end(), code_point);
    if (found == upper_controls.end()) {
        return '?';
    }
    return static_cast<unsigned char>(0x80 + std::distance(upper_controls.begin(), found));
}

} // namespace zt::platform::posix
