#include "frame/error_report.h"

#include "frame/logger_binding.h"

#include <cstdarg>

namespace zt::frame {
namespace {

// Hands the format and its values to the logger, binding it first if no
// binding was attempted yet.
int hand_to_logger(const char* format, va_list values) noexcept
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
    binding.message_entry(binding.module_tag.data(), format, values);
    return 1;
}

// A fixed text as the format, with no values.
int hand_text_to_logger(const char* text, ...) noexcept
{
    va_list values;
    va_start(values, text);
    const int handed = hand_to_logger(text, values);
    va_end(values);
    return handed;
}

} // namespace

int report(const char* format, ...) noexcept
{
    va_list values;
    va_start(values, format);
    const int handed = hand_to_logger(format, values);
    va_end(values);
    return handed;
}

int report_text(const char* text) noexcept
{
    return hand_text_to_logger(text);
}

int report_exception(const std::exception& caught) noexcept
{
    return report("%s", caught.what());
}

} // namespace zt::frame
