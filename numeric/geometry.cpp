#include "numeric/numeric.h"

#include "frame/error_report.h"

#include <cmath>

namespace zt::numeric {
namespace {

// "Not greater than 0" also refuses a value that is not a number.
bool positive(double value) noexcept
{
    return value > 0;
}

} // namespace

double geo_area(double base, double height, int shape, frame::Release release) noexcept
{
    const bool circle_of_radius =
        release == frame::Release::earlier && shape == 3 && positive(base);
    if ((!positive(base) || !positive(height)) && !circle_of_radius) {
        frame::report("GeoArea: Base and Height must be > 0");
        return 0.0;
    }
    switch (shape) {
    case 1:
        return base * height * 0.5f;
    case 2:
        return base * height;
    case 3:
        return std::pow(base, 2.0) * library_pi;
    default:
        frame::report("GeoArea: Shape undefined");
        return -1.0;
    }
}

double geo_equal_side_area(double side_length, int sides) noexcept
{
    if (!positive(side_length) || sides < 3) {
        frame::report("GeoEqualSideArea: Length must be > 0, and Sides must be >= 3");
        return 0.0;
    }
    const double count = sides;
    return std::pow(side_length, 2.0) * count / (std::tan(library_pi / count) * 4.0);
}

double geo_volume(double base, double height, double width, int shape) noexcept
{
    if (!positive(base) || !positive(height) || !positive(width)) {
        frame::report("GeoVolume: Base, Height, and Width must be > 0");
        return 0.0;
    }
    constexpr double one_third = 0.3333333333333333;
    constexpr double four_thirds = 1.3333333333333333;
    switch (shape) {
    case 1:
        return std::pow(base, 3.0);
    case 2:
        return base * height * width;
    case 3:
        return std::pow(base, 3.0) * library_pi * four_thirds;
    case 4:
        return std::pow(base, 2.0) * height * library_pi * one_third;
    case 5:
        return std::pow(base, 2.0) * height * library_pi;
    case 6:
        return base * height * width * 0.5;
    default:
        // The message's spelling is the one hosts' log filters know.
        frame::report("GoeVolume: Shape undefined");
        return -1.0;
    }
}

} // namespace zt::numeric
