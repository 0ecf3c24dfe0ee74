// What the earlier release's shared code does differently: its call templates
// lack the functions it does not have, its GeoArea computes a circle whatever
// the height, and its reports carry the module name bound at load.
#include "suite_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Messages = std::vector<std::string>;

TEST(EarlierFrame, CallTemplatesLackTheFunctionsOfTheCurrentReleaseOnly)
{
    char buffer[128];
    EXPECT_EQ(PasteFunc("SystemIsNT", buffer), 14 * 65536 + 12);
    EXPECT_STREQ(buffer, "SystemIsNT( );");
    for (const char* absent : {"ZtCntx32Cleanup", "ztshowwindowstaskbar"}) {
        EXPECT_EQ(PasteFunc(absent, buffer), 14 * 65536 + 12) << absent;
        EXPECT_EQ(std::string(buffer), std::string(absent) + "(");
    }
    EXPECT_EQ(PasteFunc("ZtCntx32", buffer), 20 * 65536 + 10);
    EXPECT_STREQ(buffer, "ZtCntx32( WindowName, Left, Top, Width, Height, Tagname, Value );");
    EXPECT_EQ(PasteFunc("CreateFilenameFromDate", buffer), 30 * 65536 + 24);
}

TEST(EarlierFrame, GeoAreaComputesACircleWhateverItsHeight)
{
    zt::test::suite_log().take_new_messages();
    const std::string dimensions = "GeoArea: Base and Height must be > 0";
    struct Case {
        float base, height;
        int shape;
        double area;
        Messages reports;
    };
    for (const Case& c :
         {Case{2, 0, 3, 12.56636, {}}, Case{2, -5, 3, 12.56636, {}}, Case{2, 1, 3, 12.56636, {}},
          Case{0, 1, 3, 0.0, {dimensions}}, Case{-1, 0, 3, 0.0, {dimensions}},
          Case{2, 0, 1, 0.0, {dimensions}}, Case{2, 0, 7, 0.0, {dimensions}}}) {
        EXPECT_DOUBLE_EQ(GeoArea(c.base, c.height, c.shape), c.area)
            << c.base << ", " << c.height << ", " << c.shape;
        EXPECT_EQ(zt::test::suite_log().take_new_messages(), c.reports);
    }
}

TEST(EarlierFrame, ReportsCarryTheModuleNameBoundAtLoad)
{
    zt::test::suite_log().take_new_entries();
    EXPECT_EQ(ConvertTemp(1, 0, 1), -9999.9);
    const std::vector<zt::test::LogEntry> entries = zt::test::suite_log().take_new_entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0].module_tag, "ZTFUNC32        /");
}

} // namespace
