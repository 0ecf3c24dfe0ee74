#include "earlier/earlier.h"

#include "earlier/tagport_session.h"
#include "frame/error_report.h"
#include "tags/tag_failure.h"
#include "tags/tag_file.h"

#include <exception>

namespace zt::earlier {
namespace {

void write_field(const char* tag_name, const char* text, std::int32_t field_offset)
{
    const CallTag tag(tag_name);
    // The type is asked once for an integer and once more for a real, as the
    // host's tag-access library has always been asked by this release.
    if (tag->type() != TP_INTEGER && tag->type() != TP_REAL) {
        throw tags::TagFailure{tags::not_integer_or_real};
    }
    tags::patch_units_field(tag->tag_index(), text, field_offset);
}

} // namespace

std::int32_t set_field(const char* tag_name, const char* text, std::int32_t field_offset) noexcept
{
    return tags::handle_failures(
        [&] {
            write_field(tag_name, text, field_offset);
            return 0;
        },
        [](std::int32_t code) {
            // The codes are raised as the current release raises them; this
            // release returns them positive.
            tags::report_units_failure(code);
            return -code;
        },
        tags::standard_exception,
        [] {
            frame::report("Unspecified Exception Caught in Function SetField");
            return tags::unspecified_exception;
        });
}

} // namespace zt::earlier
