#include "frame/error_report.h"

#include "frame/logger_binding.h"

#include <cstdarg>

namespace zt::frame {

int report(const char* format, ...) noexcept
{
    const LoggerBinding& binding = logger_binding();
    // Before any binding the module tag is still empty: the logger is bound as "UNKNOWN".
    if (!binding.attempted.load(std::memory_order_acquire)) {
        bind_logger("");
    }
    // A binding still under way on another thread counts as no logger.
    if (!binding.available.load(std::memory_order_acquire)) {
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
