// The text buffer in which CreateFilenameFromDate and INIReadString hand back
// their results: 131 characters and a terminator, one per process, starting as
// a single space. Each call of either overwrites what the last one returned.
#pragma once

#include <array>
#include <cstddef>

namespace zt::frame {

inline constexpr std::size_t shared_result_capacity = 131; // characters, terminator excluded

using SharedResultBuffer = std::array<char, shared_result_capacity + 1>;

SharedResultBuffer& shared_result_buffer() noexcept;

} // namespace zt::frame
