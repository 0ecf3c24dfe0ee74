#include "tags/tag_file.h"

#include "frame/error_report.h"
#include "platform/profile.h"
#include "platform/raw_file.h"
#include "tags/tag_failure.h"

#include <array>
#include <cstring>
#include <string_view>

namespace zt::tags {

PathBuffer tag_file_path()
{
    constexpr std::string_view file_name = "\\tagname.x";
    PathBuffer path{};
    const std::uint32_t length =
        platform::get_private_profile_string("Vistrel", "ApplicationDirectory", "c:\\", path.data(),
                                             static_cast<std::uint32_t>(path.size()), "win.ini");
    if (length == 0) {
        throw TagFailure{directory_unreadable};
    }
    const std::size_t used = strnlen(path.data(), path.size());
    if (used + file_name.size() >= path.size()) {
        throw TagFailure{path_too_long};
    }
    std::memcpy(path.data() + used, file_name.data(), file_name.size());
    return path;
}

namespace {

constexpr std::int32_t record_size = 512;
constexpr std::size_t units_field_size = 32;
using UnitsField = std::array<char, units_field_size>;

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

} // namespace

void patch_units_field(std::uint16_t tag_index, const char* text, std::int32_t field_offset)
{
    const PathBuffer path = tag_file_path();
    const std::int32_t offset = field_offset + record_size * std::int32_t{tag_index};

    platform::RawFile file(path.data());
    if (!file.is_open()) {
        throw TagFailure{open_failed};
    }
    // The field must lie inside the file: seeking past its end would make the
    // write grow the host's file instead of patching a record.
    const std::int32_t file_size = file.size();
    if (file_size < 0 || offset > file_size - static_cast<std::int32_t>(units_field_size) ||
        file.seek(offset) != offset) {
        throw TagFailure{seek_failed};
    }
    const UnitsField field = units_field(text);
    if (file.write(field.data(), field.size()) != static_cast<std::int32_t>(field.size())) {
        throw TagFailure{write_failed};
    }
    if (!file.close()) {
        throw TagFailure{close_failed};
    }
}

// Each failure's message is handed to the logger as the format itself, as
// every other report of the library is.
void report_units_failure(std::int32_t code) noexcept
{
    switch (code) {
    case connect_failed:
        frame::report("SetTagEU: Unable to register tagport");
        break;
    case tag_not_found:
        frame::report("SetTagEU: Unable to retrieve tag handle");
        break;
    case not_integer_or_real:
        frame::report("SetTagEU: TagportType returned other than TP_INTEGER or TP_REAL for "
                      "SetDiscOnOffMsg");
        break;
    case directory_unreadable:
        frame::report("SetTagEU: Unable to read Win.ini file");
        break;
    case path_too_long:
        frame::report("SetTagEU: Unable to concatnate file path");
        break;
    case open_failed:
        frame::report("SetTagEU: Unable to open Tagname.x");
        break;
    case seek_failed:
        frame::report("SetTagEU: Unable to find seek offset in Tagname.x");
        break;
    case write_failed:
        frame::report("SetTagEU: Unable to write to Tagname.x");
        break;
    case close_failed:
        frame::report("SetTagEU: Unable to close Tagname.x");
        break;
    case copy_failed:
        frame::report("SetTagEU: Unable to copy message to buffer");
        break;
    default:
        frame::report("SetTagEU: Unknown exception for SetField");
        break;
    }
}

} // namespace zt::tags
