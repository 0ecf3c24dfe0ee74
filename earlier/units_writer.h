// The earlier release's engineering-units writer: the same field in the same
// file as the current release's, reached through a connection and a tag
// handle of its own, with positive failure codes.
#pragma once

#include <cstdint>

namespace zt::earlier {

// 0 when the field was written, otherwise the failure code (reported): 2 no
// connection, 3 no such tag, 4 neither an integer nor a real tag, and 5 to 10
// and 13 as the current release's -5 to -10 and -13. The tag and the
// connection are given back on every way out.
std::int32_t set_field(const char* tag_name, const char* text, std::int32_t field_offset) noexcept;

} // namespace zt::earlier
