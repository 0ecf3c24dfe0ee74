// ASCII case folding as the library's name comparisons do it: only A-Z fold,
// every other byte stands for itself.
#pragma once

#include <string_view>

namespace zt::fuzz {

constexpr char lower_ascii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

constexpr bool same_ignoring_case(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower_ascii(a[i]) != lower_ascii(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace zt::fuzz
