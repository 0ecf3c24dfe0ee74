// The message result buffer in which GetDiscOnMsg and GetDiscOffMsg hand back
// their text: 131 bytes, empty when the library loads, one per process. Each
// call of either overwrites what the last one returned.
#pragma once

#include <array>
#include <cstdint>

namespace zt::tags {

// What the tag-access library may write into the buffer, terminator included.
inline constexpr std::int32_t message_capacity = 131;

// One byte more than `message_capacity` keeps the text terminated whatever the
// tag-access library writes.
using MessageResult = std::array<char, message_capacity + 1>;

MessageResult& message_result() noexcept;

// Replaces the buffer's text with the first 130 characters of `text`.
void put_message(const char* text) noexcept;

} // namespace zt::tags
