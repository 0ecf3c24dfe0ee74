// The export job that the settings in "statx.ini" describe, and the checks
// that refuse settings the tool cannot work from.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace statx_tool {

struct Moment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const Moment&) const = default;
};

struct ExportJob {
    Moment start;
    Moment end;
    std::string product;
    std::string dataset;
    std::string output_file;
};

// The stored text of a key of section "Defaults"; nullopt when it is missing.
using SettingLookup = std::function<std::optional<std::string>(const char* key)>;

// Why the settings were refused, naming the key at fault.
struct Refusal {
    std::string reason;
};

// Every key must be present. Numbers are plain decimal integers and must form
// a real moment: year from 1970, a day that the month has, hour 0 to 23,
// minute and second 0 to 59. The period must not end before it starts, and
// product, dataset and output file must not be empty.
std::variant<ExportJob, Refusal> read_export_job(const SettingLookup& lookup);

// The job as the tool prints it, one line per part, ending in a newline.
std::string describe(const ExportJob& job);

} // namespace statx_tool
