// Exports of the settings family: INI files for scripts and the settings of
// the statistics-export tool. Each runs in the per-call frame.
#include "frame/call_frame.h"
#include "settings/ini_file.h"
#include "settings/statx_settings.h"
#include "ztfunc32.h"

using zt::frame::in_call_frame;
namespace statx_file = zt::settings::statx;

extern "C" {

ZT_API int32_t ZT_CALLER INIWriteString(const char* file_name, const char* section, const char* key,
                                        const char* message) ZT_NOEXCEPT
{
    return in_call_frame(zt::settings::ini_write_string, file_name, section, key, message);
}

ZT_API const char* ZT_CALLER INIReadString(const char* file_name, const char* section,
                                           const char* key) ZT_NOEXCEPT
{
    return in_call_frame(zt::settings::ini_read_string, file_name, section, key);
}

ZT_API int32_t ZT_CALLER INIWriteInteger(const char* file_name, const char* section,
                                         const char* key, int32_t value) ZT_NOEXCEPT
{
    return in_call_frame(zt::settings::ini_write_integer, file_name, section, key, value);
}

ZT_API int32_t ZT_CALLER INIReadInteger(const char* file_name, const char* section,
                                        const char* key) ZT_NOEXCEPT
{
    return in_call_frame(zt::settings::ini_read_integer, file_name, section, key);
}

ZT_API int32_t ZT_CALLER STATXSetStartDate(int32_t year, int32_t month, int32_t day) ZT_NOEXCEPT
{
    return in_call_frame(statx_file::set_fields, statx_file::start_date, year, month, day);
}

ZT_API int32_t ZT_CALLER STATXSetEndDate(int32_t year, int32_t month, int32_t day) ZT_NOEXCEPT
{
    return in_call_frame(statx_file::set_fields, statx_file::end_date, year, month, day);
}

ZT_API int32_t ZT_CALLER STATXSetStartTime(int32_t hour, int32_t minute, int32_t second) ZT_NOEXCEPT
{
    return in_call_frame(statx_file::set_fields, statx_file::start_time, hour, minute, second);
}

ZT_API int32_t ZT_CALLER STATXSetEndTime(int32_t hour, int32_t minute, int32_t second) ZT_NOEXCEPT
{
    return in_call_frame(statx_file::set_fields, statx_file::end_time, hour, minute, second);
}

ZT_API int32_t ZT_CALLER STATXSetProduct(const char* product_name) ZT_NOEXCEPT
{
    return in_call_frame(statx_file::set_text, statx::product, product_name);
}

ZT_API int32_t ZT_CALLER STATXSetDataset(const char* dataset_name) ZT_NOEXCEPT
{
    return in_call_frame(statx_file::set_text, statx::dataset, dataset_name);
}

ZT_API int32_t ZT_CALLER STATXSetOutputFile(const char* output_file_name) ZT_NOEXCEPT
{
    return in_call_frame(statx_file::set_text, statx::output_file, output_file_name);
}

} // extern "C"
