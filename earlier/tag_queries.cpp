#include "earlier/earlier.h"

#include "earlier/tagport_session.h"
#include "frame/error_report.h"
#include "frame/result_buffers.h"
#include "tags/tag_failure.h"
#include "vstspt.h"

#include <array>
#include <cstring>
#include <exception>

namespace zt::earlier {
namespace {

constexpr std::int32_t not_found = -1;
constexpr std::int32_t unknown_type = -4;
constexpr const char* failure_text = "FAILURE";

std::int32_t query_tag_type(const char* tag_name)
{
    const CallTag tag(tag_name);
    const std::int32_t type = tag->type();
    if (type >= TP_DISCRETE && type <= TP_MESSAGE) {
        return type;
    }
    frame::report(type == 0 ? "TagExists, TagportType failed, unknown type"
                            : "TagExists, tag type unknown");
    return unknown_type;
}

// The message field of `record` at `offset`: at most 15 characters, also when
// the host-support library left it unterminated.
void put_record_message(const std::array<char, REB_RECORD_SIZE>& record, int offset)
{
    std::array<char, REB_MESSAGE_SIZE> text{};
    std::memcpy(text.data(), record.data() + offset,
                strnlen(record.data() + offset, text.size() - 1));
    frame::put_message(text.data());
}

} // namespace

std::int32_t tag_exists(const char* tag_name) noexcept
{
    return tags::handle_failures([&] { return query_tag_type(tag_name); },
                                 [](std::int32_t code) {
                                     if (code == tags::connect_failed) {
                                         frame::report("TagExists: Unable to register tagport");
                                         return tags::connect_failed;
                                     }
                                     return not_found;
                                 },
                                 tags::standard_exception,
                                 [] {
                                     frame::report("Unspecified Exception Caught in TagExists");
                                     return tags::unspecified_exception;
                                 });
}

const char* get_disc_message(std::int32_t on_off, const char* tag_name) noexcept
{
    if (tag_exists(tag_name) != TP_DISCRETE) {
        frame::report("GetDiscMessage failed: %s not discrete tag type",
                      tag_name != nullptr ? tag_name : "");
        frame::put_message(failure_text);
        return frame::message_result().data();
    }
    std::array<char, REB_RECORD_SIZE> record{};
    if (REBGetRDB(REBLookupTag(tag_name), record.data()) == 0) {
        frame::report("REBGetRDB failed in GetDiscMessage: GetDiscOn/OffMsg");
        frame::put_message(failure_text);
    } else if (RDBOK() == 0) {
        frame::report("RDBOK failed in GetDiscMessage: GetDiscOn/OffMsg");
        frame::put_message(failure_text);
    } else {
        put_record_message(record, on_off != 0 ? REB_ON_MESSAGE_OFFSET : REB_OFF_MESSAGE_OFFSET);
    }
    return frame::message_result().data();
}

} // namespace zt::earlier
