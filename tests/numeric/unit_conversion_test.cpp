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
