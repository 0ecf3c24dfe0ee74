// Scripts' own settings in INI files: texts and integers written and read
// through the platform's private-profile service, which decides the format,
// the locking and where a bare file name lives (the Windows directory).
#pragma once

#include <cstdint>

namespace zt::settings {

inline constexpr const char* ini_default_text = "FAILURE";
inline constexpr std::int32_t ini_default_integer = -99;
// Capacity handed to the service, terminator included: at most 130 characters
// of a value come back.
inline constexpr std::uint32_t ini_read_buffer_size = 131;

// 0 on success; -1 and the report "INIWriteString: Write failed" when the
// service refuses the write or a name or the text is missing (null). A null
// text would make the service delete the key, and a null key the whole
// section, so neither reaches it.
std::int32_t ini_write_string(const char* file, const char* section, const char* key,
                              const char* message) noexcept;

// As ini_write_string with the decimal text of `value`; the report is
// "INIWriteInteger: Write failed".
std::int32_t ini_write_integer(const char* file, const char* section, const char* key,
                               std::int32_t value) noexcept;

// The value (at most 130 characters) in the shared result buffer, or
// "FAILURE" when the file, section or key is missing or a name is null.
// Never reports.
const char* ini_read_string(const char* file, const char* section, const char* key) noexcept;

// The integer the service reads from the value, or -99 when the file,
// section or key is missing or a name is null. Never reports.
std::int32_t ini_read_integer(const char* file, const char* section, const char* key) noexcept;

} // namespace zt::settings
