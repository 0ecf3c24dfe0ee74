// The geometry exports: worked values with the library's pi, and refusals.
#include "suite_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

const std::string area_dimensions = "GeoArea: Base and Height must be > 0";
const std::string area_shape = "GeoArea: Shape undefined";
const std::string polygon_dimensions =
    "GeoEqualSideArea: Length must be > 0, and Sides must be >= 3";
const std::string volume_dimensions = "GeoVolume: Base, Height, and Width must be > 0";
const std::string volume_shape = "GoeVolume: Shape undefined";

class Geometry : public testing::Test {
  protected:
    Geometry() { zt::test::suite_log().take_new_messages(); }
    std::vector<std::string> reports() { return zt::test::suite_log().take_new_messages(); }
};

TEST_F(Geometry, AreasOfTriangleRectangleAndCircle)
{
    EXPECT_DOUBLE_EQ(GeoArea(2, 3, 1), 3.0);
    EXPECT_DOUBLE_EQ(GeoArea(2, 3, 2), 6.0);
    EXPECT_DOUBLE_EQ(GeoArea(2, 1, 3), 12.56636);
    EXPECT_TRUE(reports().empty());
}

TEST_F(Geometry, AreaChecksDimensionsBeforeTheShape)
{
    EXPECT_EQ(GeoArea(2, 0, 3), 0.0); // the circle ignores the height, yet it is checked
    EXPECT_EQ(GeoArea(-1, 3, 7), 0.0);
    EXPECT_EQ(GeoArea(std::numeric_limits<float>::quiet_NaN(), 3, 1), 0.0);
    EXPECT_EQ(reports(),
              (std::vector<std::string>{area_dimensions, area_dimensions, area_dimensions}));
    EXPECT_EQ(GeoArea(1, 3, 7), -1.0);
    EXPECT_EQ(reports(), std::vector<std::string>{area_shape});
}

TEST_F(Geometry, RegularPolygons)
{
    EXPECT_NEAR(GeoEqualSideArea(1, 4), 1.0000013, 5e-8);
    EXPECT_NEAR(GeoEqualSideArea(2, 6), 10.392315, 5e-7);
    EXPECT_TRUE(reports().empty());

    EXPECT_EQ(GeoEqualSideArea(1, 2), 0.0);
    EXPECT_EQ(GeoEqualSideArea(0, 5), 0.0);
    EXPECT_EQ(reports(), (std::vector<std::string>{polygon_dimensions, polygon_dimensions}));
}

TEST_F(Geometry, VolumesOfTheSixSolids)
{
    EXPECT_DOUBLE_EQ(GeoVolume(2, 3, 4, 1), 8.0);
    EXPECT_DOUBLE_EQ(GeoVolume(2, 3, 4, 2), 24.0);
    EXPECT_NEAR(GeoVolume(2, 3, 4, 3), 33.51029333, 5e-9);
    EXPECT_DOUBLE_EQ(GeoVolume(2, 3, 4, 4), 12.56636);
    EXPECT_DOUBLE_EQ(GeoVolume(2, 3, 4, 5), 37.69908);
    EXPECT_DOUBLE_EQ(GeoVolume(2, 3, 4, 6), 12.0);
    EXPECT_TRUE(reports().empty());
}

TEST_F(Geometry, VolumeChecksAllDimensionsBeforeTheShape)
{
    EXPECT_EQ(GeoVolume(2, 3, 0, 1), 0.0); // the cube ignores the width, yet it is checked
    EXPECT_EQ(GeoVolume(2, -3, 4, 9), 0.0);
    EXPECT_EQ(reports(), (std::vector<std::string>{volume_dimensions, volume_dimensions}));

    EXPECT_EQ(GeoVolume(2, 3, 4, 0), -1.0);
    EXPECT_EQ(GeoVolume(2, 3, 4, 7), -1.0);
    EXPECT_EQ(reports(), (std::vector<std::string>{volume_shape, volume_shape}));
}

} // namespace
