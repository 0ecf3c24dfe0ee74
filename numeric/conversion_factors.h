// The factor tables of the metric/standard conversions. Every value is the
// rounded decimal the conversions have always used (0.08333, not 1/12); the
// results scripts compare against depend on these exact values.
#pragma once

#include <array>

namespace zt::numeric {

// One family per conversion export, in the order of their ordinals.
enum class ConversionFamily {
    std_from_met_linear = 0,
    met_from_std_linear = 1,
    std_from_met_fluid = 2,
    met_from_std_fluid = 3,
    std_from_met_weight = 4,
    met_from_std_weight = 5,
};

inline constexpr int conversion_family_count = 6;
inline constexpr int unit_code_count = 5; // unit codes 0 to 4

using FactorTable = std::array<std::array<double, unit_code_count>, conversion_family_count>;

// Source base units per target base unit: centimetre to inch, inch to
// centimetre, litre to fluid ounce, fluid ounce to litre, gram to ounce, ounce
// to gram.
inline constexpr std::array<double, conversion_family_count> base_factors{
    0.3937, 2.54, 33.81497, 0.02957, 0.03527, 28.349};

// How many source base units one unit of the from-code is; 0 = no such unit.
// Millimetre (0.1) and short ton (32000) are the inverses of their to-factors,
// so that converting from them gives a value rather than 0.
inline constexpr FactorTable from_factors{{
    {0.1, 1, 100, 100000, 0},     // millimetre, centimetre, metre, kilometre
    {1, 12, 36, 63360, 0},        // inch, foot, yard, mile
    {0.001, 1, 1000, 0, 0},       // millilitre, litre, cubic metre
    {1, 32, 128, 4032, 5376},     // fluid ounce, quart, gallon, barrels of 31.5 and 42
    {0.001, 1, 1000, 1000000, 0}, // milligram, gram, kilogram, tonne
    {1, 16, 32000, 0, 0},         // ounce, pound, short ton
}};

// How many units of the to-code one target base unit is; 0 = no such unit.
inline constexpr FactorTable to_factors{{
    {1, 0.08333, 0.02778, 0.000015782828, 0},                // inch ... mile
    {10, 1, 0.01, 0.00001, 0},                               // millimetre ... kilometre
    {1, 0.03125, 0.0078125, 0.000248015873, 0.000186011904}, // fluid ounce ... barrels
    {1000, 1, 0.001, 0, 0},                                  // millilitre ... cubic metre
    {1, 0.0625, 0.00003125, 0, 0},                           // ounce, pound, short ton
    {1000, 1, 0.001, 0.000001, 0},                           // milligram ... tonne
}};

} // namespace zt::numeric
