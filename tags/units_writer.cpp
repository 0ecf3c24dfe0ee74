#include "tags/units_writer.h"

#include "frame/error_report.h"
#include "frame/logger_binding.h"
#include "platform/raw_file.h"
#include "tags/activated_tag.h"
#include "tags/tag_failure.h"
#include "tags/tag_file_path.h"
#include "tags/tagport_connection.h"

#include <array>
#include <cstring>
#include <exception>

namespace zt::tags {
namespace {

constexpr std::int32_t record_size = 512;
constexpr std::size_t units_field_size = 32;
using UnitsField = std::array<char, units_field_size>;

const char* failure_text(std::int32_t code)
{
    switch (code) {
    case connect_failed:
        return "SetTagEU: Unable to register tagport";
    case tag_not_found:
        return "SetTagEU: Unable to retrieve tag handle";
    case not_integer_or_real:
        return "SetTagEU: TagportType returned other than TP_INTEGER or TP_REAL for "
               "SetDiscOnOffMsg";
    case directory_unreadable:
        return "SetTagEU: Unable to read Win.ini file";
    case path_too_long:
        return "SetTagEU: Unable to concatnate file path";
    case open_failed:
        return "SetTagEU: Unable to open Tagname.x";
    case seek_failed:
        return "SetTagEU: Unable to find seek offset in Tagname.x";
    case write_failed:
        return "SetTagEU: Unable to write to Tagname.x";
    case close_failed:
        return "SetTagEU: Unable to close Tagname.x";
    case copy_failed:
        return "SetTagEU: Unable to copy message to buffer";
    default:
        return "SetTagEU: Unknown exception for SetField";
    }
}

// The text's first 31 characters, then zero bytes to the end of the field.
UnitsField units_field(const char* text)
{
    if (text == nullptr) {
        throw TagFailure{copy_failed};
    }
    UnitsField field{};
    std::memcpy(field.data(), text, strnlen(text, field.size() - 1));
    return field;
}

void write_field(const char* tag_name, const char* text, std::int32_t field_offset)
{
    const TP_CONNECTION connection = make_sure_of_connection();
    ActivatedTag tag = activate_named_tag(connection, tag_name);
    const std::int32_t type = tag.type();
    if (type != TP_INTEGER && type != TP_REAL) {
        throw TagFailure{not_integer_or_real};
    }
    const PathBuffer path = tag_file_path();
    const std::int32_t offset = field_offset + record_size * std::int32_t{tag.tag_index()};

    platform::RawFile file(path.data());
    if (!file.is_open()) {
        throw TagFailure{open_failed};
    }
    if (file.seek(offset) != offset) {
        throw TagFailure{seek_failed};
    }
    const UnitsField field = units_field(text);
    if (file.write(field.data(), field.size()) != static_cast<std::int32_t>(field.size())) {
        throw TagFailure{write_failed};
    }
    if (!file.close()) {
        throw TagFailure{close_failed};
    }
    tag.give_back();
}

} // namespace

std::int32_t set_field(const char* tag_name, const char* text, std::int32_t field_offset)
{
    frame::bind_logger(frame::library_module_name);
    try {
        write_field(tag_name, text, field_offset);
        return 0;
    } catch (const TagFailure& failure) {
        frame::report("%s", failure_text(failure.code));
        return failure.code;
    } catch (const std::exception& caught) {
        frame::report_exception(caught);
        return standard_exception;
    } catch (...) {
        frame::report("Unspecified Exception Caught in Function SetField");
        return unspecified_exception;
    }
}

} // namespace zt::tags
