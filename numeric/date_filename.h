// File names that carry a date: prefix, the date of today shifted by whole
// days written in a short format of 'd', 'm' and 'y' letters, postfix.
#pragma once

#include <cstdint>

namespace zt::numeric {

// Prefix, date part of today + `day_offset` days and postfix, cut to 131
// characters, in the shared result buffer; returns that buffer. Null texts
// count as empty.
const char* create_filename_from_date(const char* format, const char* prefix, const char* postfix,
                                      std::int32_t day_offset) noexcept;

} // namespace zt::numeric
