// The one way the library reports a failure: the message goes to the debug
// logger if one is bound, and nowhere otherwise. Nothing is shown or written.
#pragma once

#include <exception>

#if defined(__GNUC__)
#define ZT_PRINTF_FORMAT(format_index, first_value)                                                \
    __attribute__((format(printf, format_index, first_value)))
#else
#define ZT_PRINTF_FORMAT(format_index, first_value)
#endif

namespace zt::frame {

// `format` is a printf-style format the logger expands with the values; it must
// be a constant of the library, never text from outside. Returns 1 when the
// report reached the logger, 0 when there is none.
int report(const char* format, ...) noexcept ZT_PRINTF_FORMAT(1, 2);

// Reports one of the library's fixed texts chosen at run time (a refusal's
// report of its release, say) as the format itself, as every fixed message
// reaches the logger; it must hold no conversion.
int report_text(const char* text) noexcept;

// Reports a caught exception's text as a value, so a "%" in it stays literal.
int report_exception(const std::exception& caught) noexcept;

} // namespace zt::frame
