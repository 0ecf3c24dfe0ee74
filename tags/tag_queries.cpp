#include "tags/tags.h"

#include "frame/error_report.h"
#include "frame/logger_binding.h"
#include "frame/result_buffers.h"
#include "tags/shared_tags.h"
#include "tags/tag.h"
#include "tags/tag_failure.h"

#include <exception>
#include <string_view>

namespace zt::tags {
namespace {

void report_tag_failure(std::int32_t code)
{
    if (code == connect_failed) {
        frame::report("Failure: TagExists Func. - Unable to connect to Tagport.");
    } else {
        frame::report("Failure: TagExists Func. - Unable to activate specified tag.");
    }
}

std::int32_t query_tag_type(const char* tag_name)
{
    const SessionRef session = shared_tags().current_or_new();
    const TP_CONNECTION connection = session->make_sure_of_connection();
    ActivatedTag tag = activate_named_tag(connection, tag_name);
    const std::int32_t type = tag.type();
    tag.give_back();
    return type;
}

void read_disc_message(std::int32_t on_off, const char* tag_name)
{
    const SessionRef session = shared_tags().current_or_new();
    const TP_CONNECTION connection = session->make_sure_of_connection();
    const std::string_view suffix = on_off == 1 ? ".OnMsg" : ".OffMsg";
    TagNameBuffer name;
    if (!build_tag_name(name, tag_name, suffix)) {
        frame::put_message("Failure: Unable to activate specified tag.");
        return;
    }
    ActivatedTag tag(connection, name.data());
    if (!tag.activated()) {
        frame::put_message("Failure: Unable to activate specified tag.");
        return;
    }
    if (tag.type() == TP_MESSAGE) {
        frame::message_result().fill('\0');
        TagportGetMessage(connection, tag.handle(), frame::message_result().data(),
                          frame::message_capacity);
    } else {
        frame::put_message("Failure: Specified tag not of Message type");
    }
    tag.give_back();
}

} // namespace

std::int32_t tag_exists(const char* tag_name) noexcept
{
    frame::bind_logger(frame::library_module_name);
    return handle_failures([&] { return query_tag_type(tag_name); },
                           [](std::int32_t code) {
                               report_tag_failure(code);
                               return code;
                           },
                           standard_exception,
                           [] {
                               frame::report("Unspecified Exception Caught in TagExists");
                               return unspecified_exception;
                           });
}

const char* get_disc_message(std::int32_t on_off, const char* tag_name) noexcept
{
    const char* const result = frame::message_result().data();
    return handle_failures(
        [&] {
            read_disc_message(on_off, tag_name);
            return result;
        },
        [&](std::int32_t code) {
            report_tag_failure(code);
            return result;
        },
        result,
        [&] {
            frame::put_message(
                "EXCEPTION: Caught in LPSTR GetDiscMessage(BOOL OnOff,LPSTR lpszTagname).");
            return result;
        });
}

} // namespace zt::tags
