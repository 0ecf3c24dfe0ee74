// The conversion exports: worked values, refusals and units without a factor.
#include "suite_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using Conversion = double (*)(float, int32_t, int32_t);

const Conversion all_conversions[] = {StdFromMetLinear, MetFromStdLinear, StdFromMetFluid,
                                      MetFromStdFluid,  StdFromMetWeight, MetFromStdWeight};

class UnitConversion : public testing::Test {
  protected:
    UnitConversion() { zt::test::suite_log().take_new_messages(); }
    std::vector<std::string> reports() { return zt::test::suite_log().take_new_messages(); }
};

TEST_F(UnitConversion, WorkedValuesUseTheRoundedFactors)
{
    EXPECT_NEAR(StdFromMetLinear(2.54f, 1, 0), 0.999998, 1e-6);           // not exactly one inch
    EXPECT_NEAR(MetFromStdLinear(1, 3, 3), 1.609344, 1e-12);              // mile to kilometre
    EXPECT_DOUBLE_EQ(StdFromMetFluid(1, 1, 2), 0.264179453125);           // litre to gallon
    EXPECT_DOUBLE_EQ(MetFromStdLinear(1, 0, 0), 25.4);                    // inch to millimetre
    EXPECT_DOUBLE_EQ(StdFromMetWeight(1, 2, 1), 1000 * 0.03527 * 0.0625); // kilogram to pound
    EXPECT_TRUE(reports().empty());
}

TEST_F(UnitConversion, MillimetresAndShortTonsConvertToRealValues)
{
    EXPECT_NEAR(StdFromMetLinear(10, 0, 0), 0.3937, 1e-12);      // 10 mm in inches
    EXPECT_NEAR(StdFromMetLinear(1000, 0, 2), 1.0936986, 1e-12); // 1000 mm in yards
    EXPECT_NEAR(MetFromStdWeight(1, 2, 2), 907.168, 1e-9);       // short ton in kilograms
    EXPECT_NEAR(MetFromStdWeight(2, 2, 3), 2 * 0.907168, 1e-12); // short tons in tonnes
}

// Every code pair of every family against the published factors, written out
// here as literals: one unit of the from-code in base units, times the base
// factor, times the to-code's units per target base unit (0 for no unit).
TEST_F(UnitConversion, EveryCodePairUsesThePublishedFactors)
{
    struct Family {
        Conversion convert;
        double base;
        double from[5];
        double to[5];
    };
    const Family families[] = {
        {StdFromMetLinear,
         0.3937,
         {0.1, 1, 100, 100000, 0},
         {1, 0.08333, 0.02778, 0.000015782828, 0}},
        {MetFromStdLinear, 2.54, {1, 12, 36, 63360, 0}, {10, 1, 0.01, 0.00001, 0}},
        {StdFromMetFluid,
         33.81497,
         {0.001, 1, 1000, 0, 0},
         {1, 0.03125, 0.0078125, 0.000248015873, 0.000186011904}},
        {MetFromStdFluid, 0.02957, {1, 32, 128, 4032, 5376}, {1000, 1, 0.001, 0, 0}},
        {StdFromMetWeight, 0.03527, {0.001, 1, 1000, 1000000, 0}, {1, 0.0625, 0.00003125, 0, 0}},
        {MetFromStdWeight, 28.349, {1, 16, 32000, 0, 0}, {1000, 1, 0.001, 0.000001, 0}},
    };
    for (const Family& family : families) {
        for (int from = 0; from < 5; ++from) {
            for (int to = 0; to < 5; ++to) {
                const double in_base_units = 1.5 * family.base * family.from[from];
                const double expected =
                    in_base_units > 0 ? in_base_units * family.to[to] : in_base_units;
                EXPECT_DOUBLE_EQ(family.convert(1.5f, from, to), expected)
                    << "family " << (&family - families) << ", codes " << from << " and " << to;
            }
        }
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(UnitConversion, ValuesNotGreaterThanZeroAreRefusedWithMinusOne)
{
    for (const Conversion convert : all_conversions) {
        EXPECT_EQ(convert(0, 1, 1), -1);
        EXPECT_EQ(convert(-3.5f, 1, 1), -1);
        EXPECT_EQ(convert(std::numeric_limits<float>::quiet_NaN(), 1, 1), -1);
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(UnitConversion, CodesOutsideZeroToFourAreRefusedWithMinusOne)
{
    for (const Conversion convert : all_conversions) {
        for (const int32_t bad : {5, 6, -1, std::numeric_limits<int32_t>::min()}) {
            EXPECT_EQ(convert(1, bad, 1), -1) << bad;
            EXPECT_EQ(convert(1, 1, bad), -1) << bad;
        }
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(UnitConversion, CodesNamingNoUnitGiveZero)
{
    EXPECT_EQ(StdFromMetFluid(1, 3, 0), 0);  // no metric fluid unit 3
    EXPECT_EQ(StdFromMetLinear(1, 1, 4), 0); // no standard length unit 4
    EXPECT_EQ(MetFromStdWeight(1, 3, 1), 0); // no standard weight unit 3
    EXPECT_TRUE(reports().empty());
}

TEST_F(UnitConversion, TemperatureScalesWithTheLibrarysKelvinOffset)
{
    EXPECT_NEAR(ConvertTemp(212, 1, 2), 100, 1e-12);
    EXPECT_NEAR(ConvertTemp(100, 2, 3), 373.16, 1e-12);
    EXPECT_NEAR(ConvertTemp(0, 3, 2), -273.16, 1e-12);
    EXPECT_NEAR(ConvertTemp(-40, 2, 1), -40, 1e-12);
    EXPECT_NEAR(ConvertTemp(98.5f, 1, 1), 98.5, 1e-12);
    EXPECT_TRUE(reports().empty());
}

TEST_F(UnitConversion, TemperatureRefusalsReportOnceAndGiveTheSentinel)
{
    const std::string must_be_positive = "ConvertTemp: FromUnit and ToUnit must be > 0";
    EXPECT_DOUBLE_EQ(ConvertTemp(10, 0, 2), -9999.9);
    EXPECT_DOUBLE_EQ(ConvertTemp(10, 2, -1), -9999.9);
    EXPECT_EQ(reports(), (std::vector<std::string>{must_be_positive, must_be_positive}));

    EXPECT_DOUBLE_EQ(ConvertTemp(10, 4, 9), -9999.9);
    EXPECT_EQ(reports(), std::vector<std::string>{"ConvertTemp: FromUnit not defined"});

    EXPECT_DOUBLE_EQ(ConvertTemp(10, 2, 4), -9999.9);
    EXPECT_EQ(reports(), std::vector<std::string>{"ConvertTemp: ToUnit not defined"});
}

} // namespace
