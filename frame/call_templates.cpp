#include "frame/call_templates.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace zt::frame {

const std::array<CallTemplate, 33> call_templates{{
    {"StdFromMetLinear", "( MetricValue, MetricUnits, StandardUnits );"},
    {"MetFromStdLinear", "( StandardValue, StandardUnits, MetricUnits );"},
    {"StdFromMetFluid", "( MetricValue, MetricUnits, StandardUnits );"},
    {"MetFromStdFluid", "( StandardValue, StandardUnits, MetricUnits );"},
    {"StdFromMetWeight", "( MetricValue, MetricUnits, StandardUnits );"},
    {"MetFromStdWeight", "( StandardValue, StandardUnits, MetricUnits );"},
    {"ConvertTemp", "( Value, FromUnits, ToUnits );"},
    {"GeoArea", "( Base, Height, Shape );"},
    {"GeoEqualSideArea", "( SideLength, NumOfSides );"},
    {"GeoVolume", "( Base, Height, Width, Shape );"},
    {"INIWriteString", "( FileName, Section, Key, Message );"},
    {"INIReadString", "( FileName, Section, Key );"},
    {"INIWriteInteger", "( FileName, Section, Key, Value );"},
    {"INIReadInteger", "( FileName, Section, Key );"},
    {"STATXSetStartDate", "( StartYear, StartMonth, StartDay );"},
    {"STATXSetEndDate", "( EndYear, EndMonth, EndDay );"},
    {"STATXSetStartTime", "( StartHour, StartMin, StartSec );"},
    {"STATXSetEndTime", "( EndHour, EndMin, EndSec );"},
    {"STATXSetProduct", "( ProductName );"},
    {"STATXSetDataset", "( DatasetName );"},
    {"STATXSetOutputFile", "( OutputFileName );"},
    {"ZtShutDownWinNT40", "( ShutDownFlag );"},
    {"ZtShutDownWin95", "( ShutDownFlag );"},
    {"ZtBeep32", "( Freq_37to14000, Dur_msecs );"},
    {"TagExists", "( Tagname );"},
    {"GetDiscOnMsg", "( Tagname );"},
    {"GetDiscOffMsg", "( Tagname );"},
    {"SetTagEU", "( Tagname, Message );"},
    {"ZtCntx32", "( WindowName, Left, Top, Width, Height, Tagname, Value );"},
    {"ZtCntx32Cleanup", "();", false},
    {"SystemIsNT", "( );"},
    {"CreateFilenameFromDate", "( Format, Prefix, Postfix, DayOffset );"},
    {"ZtShowWindowsTaskbar", "();", false},
}};

namespace {

// The last result returned for a name that has a template.
std::int32_t previous_result = 0;

char ascii_lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters compared as lower case, whatever the host's locale; other
// bytes must be equal.
bool same_name(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ascii_lower(x) == ascii_lower(y);
           });
}

bool has_row(const CallTemplate& row, Release release)
{
    return release == Release::current || row.in_earlier_release;
}

// Whole names only; the last match counts.
std::optional<CallTemplate> find_template(const char* function_name, Release release)
{
    std::optional<CallTemplate> match;
    for (const CallTemplate& row : call_templates) {
        if (has_row(row, release) && same_name(function_name, row.function_name)) {
            match = row;
        }
    }
    return match;
}

// Offset within the template of the first comma, blank or end after "( ".
std::size_t first_parameter_end(std::string_view parameters)
{
    const std::size_t end = parameters.find_first_of(", ", 2);
    return end == std::string_view::npos ? parameters.size() : end;
}

} // namespace

std::int32_t paste_call_template(const char* function_name, char* buffer, Release release) noexcept
{
    if (function_name == nullptr || buffer == nullptr) {
        return previous_result;
    }
    const std::size_t name_length = std::strlen(function_name);
    std::memmove(buffer, function_name, name_length + 1);

    const std::optional<CallTemplate> row = find_template(function_name, release);
    if (!row) {
        std::strcat(buffer, "(");
        return previous_result;
    }
    std::memcpy(buffer + name_length, row->parameters.data(), row->parameters.size());
    buffer[name_length + row->parameters.size()] = '\0';

    const auto start = static_cast<std::uint16_t>(name_length + 2);
    const auto end = static_cast<std::uint16_t>(name_length + first_parameter_end(row->parameters));
    previous_result = static_cast<std::int32_t>((static_cast<std::uint32_t>(end) << 16) | start);
    return previous_result;
}

} // namespace zt::frame
