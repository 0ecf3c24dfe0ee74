#include "tags/tags.h"

#include "frame/error_report.h"
#include "frame/logger_binding.h"
#include "tags/shared_tags.h"
#include "tags/tag.h"
#include "tags/tag_failure.h"
#include "tags/tag_file.h"

#include <exception>

namespace zt::tags {
namespace {

void write_field(const char* tag_name, const char* text, std::int32_t field_offset)
{
    const SessionRef session = shared_tags().current_or_new();
    const TP_CONNECTION connection = session->make_sure_of_connection();
    ActivatedTag tag = activate_named_tag(connection, tag_name);
    const std::int32_t type = tag.type();
    if (type != TP_INTEGER && type != TP_REAL) {
        throw TagFailure{not_integer_or_real};
    }
    patch_units_field(tag.tag_index(), text, field_offset);
    tag.give_back();
}

} // namespace

std::int32_t set_field(const char* tag_name, const char* text, std::int32_t field_offset) noexcept
{
    frame::bind_logger(frame::library_module_name);
    return handle_failures(
        [&] {
            write_field(tag_name, text, field_offset);
            return 0;
        },
        [](std::int32_t code) {
            report_units_failure(code);
            return code;
        },
        standard_exception,
        [] {
            frame::report("Unspecified Exception Caught in Function SetField");
            return unspecified_exception;
        });
}

} // namespace zt::tags
