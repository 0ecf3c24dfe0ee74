#include "settings/ini_file.h"

#include "frame/error_report.h"
#include "frame/result_buffers.h"
#include "platform/profile.h"
#include "settings/decimal_text.h"

#include <cstring>

namespace zt::settings {

namespace {

static_assert(ini_read_buffer_size <= frame::shared_result_capacity + 1);

bool names_given(const char* file, const char* section, const char* key) noexcept
{
    return file != nullptr && section != nullptr && key != nullptr;
}

// The service must never see a null here: with one it deletes keys or
// sections, or picks "win.ini", instead of writing.
bool write_value(const char* file, const char* section, const char* key, const char* value) noexcept
{
    return names_given(file, section, key) && value != nullptr &&
           platform::write_private_profile_string(section, key, value, file);
}

} // namespace

std::int32_t ini_write_string(const char* file, const char* section, const char* key,
                              const char* message) noexcept
{
    if (write_value(file, section, key, message)) {
        return 0;
    }
    frame::report("INIWriteString: Write failed");
    return -1;
}

std::int32_t ini_write_integer(const char* file, const char* section, const char* key,
                               std::int32_t value) noexcept
{
    const DecimalText text = decimal_text(value);
    if (write_value(file, section, key, text.data())) {
        return 0;
    }
    frame::report("INIWriteInteger: Write failed");
    return -1;
}

const char* ini_read_string(const char* file, const char* section, const char* key) noexcept
{
    frame::SharedResultBuffer& buffer = frame::shared_result_buffer();
    // A null section or key would list names instead of reading a value.
    if (names_given(file, section, key)) {
        platform::get_private_profile_string(section, key, ini_default_text, buffer.data(),
                                             ini_read_buffer_size, file);
    } else {
        std::strcpy(buffer.data(), ini_default_text);
    }
    return buffer.data();
}

std::int32_t ini_read_integer(const char* file, const char* section, const char* key) noexcept
{
    if (!names_given(file, section, key)) {
        return ini_default_integer;
    }
    return static_cast<std::int32_t>(
        platform::get_private_profile_int(section, key, ini_default_integer, file));
}

} // namespace zt::settings
