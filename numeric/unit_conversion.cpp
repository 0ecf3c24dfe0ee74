#include "numeric/numeric.h"

#include "frame/error_report.h"

#include <cstddef>

namespace zt::numeric {
namespace {

// The last answer of convert_temperature; its failure paths return what is
// stored here.
double temperature_result = temperature_failure;

constexpr double kelvin_offset = 273.16;
constexpr double five_ninths = 0.5555555555555556;

bool is_unit_code(int code)
{
    return code >= 0 && code < unit_code_count;
}

} // namespace

double convert_units(double value, int from_code, int to_code, ConversionFamily family) noexcept
{
    if (!(value > 0) || !is_unit_code(from_code) || !is_unit_code(to_code)) {
        return -1;
    }
    const auto row = static_cast<std::size_t>(family);
    const double in_source_base_units =
        value * base_factors[row] * from_factors[row][static_cast<std::size_t>(from_code)];
    if (!(in_source_base_units > 0)) {
        return in_source_base_units;
    }
    return in_source_base_units * to_factors[row][static_cast<std::size_t>(to_code)];
}

double convert_temperature(double value, int from_code, int to_code) noexcept
{
    temperature_result = temperature_failure;
    if (from_code <= 0 || to_code <= 0) {
        frame::report("ConvertTemp: FromUnit and ToUnit must be > 0");
        return temperature_failure;
    }
    switch (from_code) {
    case fahrenheit:
        temperature_result = (value - 32) * five_ninths;
        break;
    case celsius:
        temperature_result = value;
        break;
    case kelvin:
        temperature_result = value - kelvin_offset;
        break;
    default:
        frame::report("ConvertTemp: FromUnit not defined");
        return temperature_result;
    }
    // A value whose Celsius equals the failure value reads as a failure, and is
    // returned as it stands without a second report.
    if (temperature_result == temperature_failure) {
        return temperature_result;
    }
    switch (to_code) {
    case fahrenheit:
        temperature_result = temperature_result * 1.8 + 32;
        break;
    case celsius:
        break;
    case kelvin:
        temperature_result = temperature_result + kelvin_offset;
        break;
    default:
        temperature_result = temperature_failure;
        frame::report("ConvertTemp: ToUnit not defined");
        break;
    }
    return temperature_result;
}

} // namespace zt::numeric
