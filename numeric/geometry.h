// Plane areas and solid volumes. Bad dimensions give 0.0 and unknown shape
// codes -1.0, each with a report; no valid area or volume is 0 or negative.
#pragma once

#include "frame/call_frame.h"

namespace zt::numeric {

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

} // namespace zt::numeric
