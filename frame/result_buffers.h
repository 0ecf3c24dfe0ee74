// The library-wide buffers in which text results are handed back. Each stays
// valid until the next call that writes the same buffer; the caller never
// frees it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zt::frame {

// The text buffer in which CreateFilenameFromDate and INIReadString hand back
// their results: 131 characters and a terminator, one per process, starting as
// a single space. Each call of either overwrites what the last one returned.
inline constexpr std::size_t shared_result_capacity = 131; // characters, terminator excluded

using SharedResultBuffer = std::array<char, shared_result_capacity + 1>;

SharedResultBuffer& shared_result_buffer() noexcept;

// The message result buffer in which GetDiscOnMsg and GetDiscOffMsg hand back
// their text: 131 bytes, empty when the library loads, one per process. Each
// call of either overwrites what the last one returned.

// What the tag-access library may write into the buffer, terminator included.
inline constexpr std::int32_t message_capacity = 131;

// One byte more than `message_capacity` keeps the text terminated whatever the
// tag-access library writes.
using MessageResult = std::array<char, message_capacity + 1>;

MessageResult& message_result() noexcept;

// Replaces the buffer's text with the first 130 characters of `text`.
void put_message(const char* text) noexcept;

} // namespace zt::frame
