#include "frame/error_report.h"

#include "frame/logger_binding.h"

#include <cstdarg>

namespace zt::frame {

int report(const char* format, ...) noexcept
{
    // Before any binding the tag is still empty, so the logger is bound as "UNKNOWN".
    if (!logger_binding().attempted) {
        bind_logger(logger_binding().module_tag.data());
    }
    const LoggerBinding& binding = logger_binding();
    if (!binding.available) {
        return 0;
    }
    va_list values;
    va_start(values, format);
    binding.message_entry(binding.module_tag.data(), format, values);
    va_end(values);
    return 1;
}

int report_exception(const std::exception& caught) noexcept
{
    return report("%s", caught.what());
}

} // namespace zt::frame
