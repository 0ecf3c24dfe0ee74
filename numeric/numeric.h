// The numeric functions behind the exports: unit conversion, geometry and
// date-based file names.
#pragma once

#include "frame/call_frame.h"
#include "numeric/conversion_factors.h"

#include <cstdint>

namespace zt::numeric {

// Conversions between metric and US customary units, and between
// temperature scales.

// `value` in the from-unit of `family`, converted to the to-unit. -1 when the
// value is not greater than 0 or a code lies outside 0 to 4; 0 when a code
// names no unit of its system. Reports nothing.
double convert_units(double value, int from_code, int to_code, ConversionFamily family) noexcept;

inline constexpr int fahrenheit = 1;
inline constexpr int celsius = 2;
inline constexpr int kelvin = 3;
inline constexpr double temperature_failure = -9999.9;

// `value` on the scale `from_code` converted to the scale `to_code`, kept in
// the library's temperature result; temperature_failure, with a report, for
// codes that name no scale.
double convert_temperature(double value, int from_code, int to_code) noexcept;

// Plane areas and solid volumes. Bad dimensions give 0.0 and unknown shape
// codes -1.0, each with a report; no valid area or volume is 0 or negative.

// The library's value of pi; scripts' stored results were computed with it.
inline constexpr double library_pi = 3.14159;

// Shapes: 1 triangle, 2 rectangle, 3 circle of radius `base`. The earlier
// release computes a circle whatever its height; the current one refuses a
// height not greater than 0 for every shape.
double geo_area(double base, double height, int shape, frame::Release release) noexcept;

// Regular polygon of `sides` sides of length `side_length`.
double geo_equal_side_area(double side_length, int sides) noexcept;

// Shapes: 1 cube of edge `base`, 2 box, 3 sphere of radius `base`, 4 cone and
// 5 cylinder of base radius `base`, 6 triangular prism. All three dimensions
// must be positive whatever the shape uses.
double geo_volume(double base, double height, double width, int shape) noexcept;

// File names that carry a date: prefix, the date of today shifted by whole
// days written in a short format of 'd', 'm' and 'y' letters, postfix.

// Prefix, date part of today + `day_offset` days and postfix, cut to 131
// characters, in the shared result buffer; returns that buffer. Null texts
// count as empty.
const char* create_filename_from_date(const char* format, const char* prefix, const char* postfix,
                                      std::int32_t day_offset) noexcept;

} // namespace zt::numeric
