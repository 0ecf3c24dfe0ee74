// Exports of the numeric functions: conversions, geometry and date-based file
// names. Each runs in the per-call frame; reals arrive in single precision and
// are widened before any arithmetic, in the library's own floating-point
// environment.
#include "frame/call_frame.h"
#include "numeric/floating_point_scope.h"
#include "numeric/numeric.h"
#include "ztfunc32.h"

using zt::frame::in_call_frame;
using zt::numeric::ConversionFamily;
using zt::numeric::convert_units;

namespace {

// Runs `work(args...)` in the call frame and the library's floating-point
// environment; the arguments are widened to double inside it.
template <class Work, class... Args> double compute_in_frame(Work& work, Args... args) noexcept
{
    return in_call_frame([&]() noexcept {
        const zt::numeric::FloatingPointScope floating_point;
        return work(args...);
    });
}

} // namespace

extern "C" {

ZT_API double ZT_CALLER StdFromMetLinear(float metric_value, int32_t metric_units,
                                         int32_t standard_units) ZT_NOEXCEPT
{
    return compute_in_frame(convert_units, metric_value, metric_units, standard_units,
                            ConversionFamily::std_from_met_linear);
}

ZT_API double ZT_CALLER MetFromStdLinear(float standard_value, int32_t standard_units,
                                         int32_t metric_units) ZT_NOEXCEPT
{
    return compute_in_frame(convert_units, standard_value, standard_units, metric_units,
                            ConversionFamily::met_from_std_linear);
}

ZT_API double ZT_CALLER StdFromMetFluid(float metric_value, int32_t metric_units,
                                        int32_t standard_units) ZT_NOEXCEPT
{
    return compute_in_frame(convert_units, metric_value, metric_units, standard_units,
                            ConversionFamily::std_from_met_fluid);
}

ZT_API double ZT_CALLER MetFromStdFluid(float standard_value, int32_t standard_units,
                                        int32_t metric_units) ZT_NOEXCEPT
{
    return compute_in_frame(convert_units, standard_value, standard_units, metric_units,
                            ConversionFamily::met_from_std_fluid);
}

ZT_API double ZT_CALLER StdFromMetWeight(float metric_value, int32_t metric_units,
                                         int32_t standard_units) ZT_NOEXCEPT
{
    return compute_in_frame(convert_units, metric_value, metric_units, standard_units,
                            ConversionFamily::std_from_met_weight);
}

ZT_API double ZT_CALLER MetFromStdWeight(float standard_value, int32_t standard_units,
                                         int32_t metric_units) ZT_NOEXCEPT
{
    return compute_in_frame(convert_units, standard_value, standard_units, metric_units,
                            ConversionFamily::met_from_std_weight);
}

ZT_API double ZT_CALLER ConvertTemp(float value, int32_t from_units, int32_t to_units) ZT_NOEXCEPT
{
    return compute_in_frame(zt::numeric::convert_temperature, value, from_units, to_units);
}

ZT_API double ZT_CALLER GeoArea(float base, float height, int32_t shape) ZT_NOEXCEPT
{
    return compute_in_frame(zt::numeric::geo_area, base, height, shape,
                            zt::frame::linked_release());
}

ZT_API double ZT_CALLER GeoEqualSideArea(float side_length, int32_t num_of_sides) ZT_NOEXCEPT
{
    return compute_in_frame(zt::numeric::geo_equal_side_area, side_length, num_of_sides);
}

ZT_API double ZT_CALLER GeoVolume(float base, float height, float width, int32_t shape) ZT_NOEXCEPT
{
    return compute_in_frame(zt::numeric::geo_volume, base, height, width, shape);
}

ZT_API const char* ZT_CALLER CreateFilenameFromDate(const char* format, const char* prefix,
                                                    const char* postfix,
                                                    int32_t day_offset) ZT_NOEXCEPT
{
    return in_call_frame(zt::numeric::create_filename_from_date, format, prefix, postfix,
                         day_offset);
}

} // extern "C"
