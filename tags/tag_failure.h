// Failure codes of the tag and hotspot functions. Inside a call a failure is
// raised as a TagFailure and turned into a report and a result by the call's
// one failure handler, handle_failures().
#pragma once

#include "frame/error_report.h"

#include <cstdint>
#include <exception>
#include <type_traits>

namespace zt::tags {

struct TagFailure {
    std::int32_t code;
};

inline constexpr std::int32_t connect_failed = -2;
inline constexpr std::int32_t tag_not_found = -3;
inline constexpr std::int32_t not_integer_or_real = -4;
inline constexpr std::int32_t directory_unreadable = -5;
inline constexpr std::int32_t path_too_long = -6;
inline constexpr std::int32_t open_failed = -7;
inline constexpr std::int32_t seek_failed = -8;
inline constexpr std::int32_t write_failed = -9;
inline constexpr std::int32_t close_failed = -10;
inline constexpr std::int32_t copy_failed = -13;
inline constexpr std::int32_t unspecified_exception = -20;
inline constexpr std::int32_t standard_exception = -21;

// The one failure handler at the end of a tag or hotspot call: the result of
// `work`, or, when it fails, what the handler for its way of failing gives. A
// raised failure code goes to `on_failure(code)`, which reports it; a
// standard exception is reported with its own text and gives
// `standard_result`; anything else goes to `on_other()`.
template <class Work, class OnFailure, class OnOther>
std::invoke_result_t<Work> handle_failures(Work&& work, OnFailure&& on_failure,
                                           std::invoke_result_t<Work> standard_result,
                                           OnOther&& on_other) noexcept
{
    try {
        return work();
    } catch (const TagFailure& failure) {
        return on_failure(failure.code);
    } catch (const std::exception& caught) {
        frame::report_exception(caught);
        return standard_result;
    } catch (...) {
        return on_other();
    }
}

} // namespace zt::tags
