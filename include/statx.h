// The statistics-export tool "statx.exe" as this project defines it: where it
// keeps its settings, and the names of its keys. ZtFunc32 writes them; the
// tool (its stand-in host/statx) reads them.
#pragma once

namespace statx {

inline constexpr const char* tool_name = "statx.exe";
inline constexpr const char* settings_file = "statx.ini"; // bare: in the Windows directory
inline constexpr const char* section = "Defaults";

inline constexpr const char* start_year = "StartYear";
inline constexpr const char* start_month = "StartMonth";
inline constexpr const char* start_day = "StartDay";
inline constexpr const char* end_year = "EndYear";
inline constexpr const char* end_month = "EndMonth";
inline constexpr const char* end_day = "EndDay";
inline constexpr const char* start_hour = "StartHour";
inline constexpr const char* start_minute = "StartMin";
inline constexpr const char* start_second = "StartSec";
inline constexpr const char* end_hour = "EndHour";
inline constexpr const char* end_minute = "EndMin";
inline constexpr const char* end_second = "EndSec";
inline constexpr const char* product = "Product";
inline constexpr const char* dataset = "DSName";
inline constexpr const char* output_file = "OutputFile";

} // namespace statx
