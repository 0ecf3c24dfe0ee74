// Conversions between metric and US customary units, and between
// temperature scales.
#pragma once

#include "numeric/conversion_factors.h"

namespace zt::numeric {

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

} // namespace zt::numeric
