// zthost's desktop commands against the built library: windows, the pointer
// over a hotspot, the tag value it shows, and the picture of the desktop.
#include "desktop_commands.h"
#include "dynamic_library.h"
#include "scratch_folder.h"
#include "script_runner.h"
#include "tag_commands.h"
#include "tag_site.h"
#include "test_environment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

// The attributes of the picture's hotspot rectangles, in the order drawn.
struct DrawnHotspot {
    std::string classes;
    int order;
    std::string tag;
    std::string value;
    int x, y, width, height;
};

std::vector<DrawnHotspot> drawn_hotspots(const std::string& svg)
{
    const std::regex rect(
        "<rect class=\"(hotspot[^\"]*)\" data-order=\"(\\d+)\" data-tag=\"([^\"]*)\" "
        "data-value=\"([^\"]*)\" x=\"(-?\\d+)\" y=\"(-?\\d+)\" width=\"(\\d+)\" "
        "height=\"(\\d+)\"");
    std::vector<DrawnHotspot> found;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), rect); it != std::sregex_iterator();
         ++it) {
        const std::smatch& m = *it;
        found.push_back(DrawnHotspot{m[1], std::stoi(m[2]), m[3], m[4], std::stoi(m[5]),
                                     std::stoi(m[6]), std::stoi(m[7]), std::stoi(m[8])});
    }
    return found;
}

TEST(ZthostDesktop, DrawsTheRegisteredHotspotsWhereTheirWindowsAreAndMarksTheOneUnderThePointer)
{
    zt::test::TagSite site("Msg1 message 1 \"\"\nMsg2 message 2 \"\"\n");
    const zt::test::ScratchFolder folder("picture");
    const std::string picture = folder.file("desktop.svg");
    std::ostringstream out;
    std::ostringstream err;
    {
        zthost::DynamicLibrary library(zt::test::library_path());
        ASSERT_TRUE(library.loaded()) << library.error();
        zthost::ScriptRunner runner(library, out, err);
        zthost::add_tag_commands(runner);
        zthost::add_desktop_commands(runner);
        std::istringstream script(".main Main 100 100 400 300\n"
                                  ".child Main \"Side panel\" 50 40 200 100\n"
                                  ".point 5 5\n"
                                  "ZtCntx32( \"Main\", 10, 10, 50, 50, \"Msg1\", \"A\" );\n"
                                  "ZtCntx32( \"side PANEL\", 0, 0, 30, 30, \"Msg2\", \"B\" );\n"
                                  "ZtCntx32( \"MAIN\", 10, 10, 50, 50, \"Msg2\", \"again\" );\n"
                                  "ZtCntx32( \"Main\", 30, 30, 50, 50, \"Msg1\", \"<&>\" );\n"
                                  "ZtCntx32( \"Main\", -1, 0, 5, 5, \"Msg1\", \"refused\" );\n"
                                  "ZtCntx32( \"Nowhere\", 0, 0, 5, 5, \"Msg1\", \"n\" );\n"
                                  ".point Main 40 40\n"
                                  ".show Msg2\n"
                                  ".picture " +
                                  picture + "\n");
        EXPECT_EQ(runner.run(script), 0) << err.str();
    }
    EXPECT_NE(out.str().find("    Msg2 = \"again\"\n"), std::string::npos) << out.str();

    const std::vector<DrawnHotspot> drawn = drawn_hotspots(zt::test::read_file(picture));
    // The latest registered is drawn first, so the earliest lies on top; a
    // hotspot of a window that does not exist is listed but not drawn.
    ASSERT_EQ(drawn.size(), 3u) << zt::test::read_file(picture);
    EXPECT_EQ(drawn[0].order, 3);
    EXPECT_EQ(drawn[0].value, "&lt;&amp;&gt;");
    EXPECT_EQ((std::vector<int>{drawn[0].x, drawn[0].y, drawn[0].width, drawn[0].height}),
              (std::vector<int>{130, 130, 50, 50}));
    EXPECT_EQ(drawn[1].order, 2);
    EXPECT_EQ((std::vector<int>{drawn[1].x, drawn[1].y, drawn[1].width, drawn[1].height}),
              (std::vector<int>{150, 140, 30, 30}));
    EXPECT_EQ(drawn[1].classes, "hotspot");
    // Registered again in place: the first record with the second tag and value,
    // the one under the pointer where it overlaps the third.
    EXPECT_EQ(drawn[2].order, 1);
    EXPECT_EQ(drawn[2].tag, "Msg2");
    EXPECT_EQ(drawn[2].value, "again");
    EXPECT_EQ((std::vector<int>{drawn[2].x, drawn[2].y, drawn[2].width, drawn[2].height}),
              (std::vector<int>{110, 110, 50, 50}));
    EXPECT_EQ(drawn[2].classes, "hotspot current");
    EXPECT_NE(zt::test::read_file(picture).find("#4 window \"Nowhere\": Msg1 = \"n\" (no window"),
              std::string::npos);
}

TEST(ZthostDesktop, DrawsTheEarlierReleasesHotspotsNewestFirst)
{
    zt::test::TagSite site("Msg1 message 1 \"\"\nMsg2 message 2 \"\"\n");
    const zt::test::ScratchFolder folder("picture");
    const std::string picture = folder.file("desktop.svg");
    std::ostringstream out;
    std::ostringstream err;
    {
        zthost::DynamicLibrary library(zt::test::earlier_library_path());
        ASSERT_TRUE(library.loaded()) << library.error();
        zthost::ScriptRunner runner(library, out, err);
        zthost::add_desktop_commands(runner);
        std::istringstream script(".main Main 100 100 400 300\n"
                                  "ZtCntx32( \"Main\", 10, 10, 50, 50, \"Msg1\", \"A\" );\n"
                                  "ZtCntx32( \"Main\", 30, 30, 50, 50, \"Msg2\", \"B\" );\n"
                                  ".point Main 40 40\n"
                                  ".picture " +
                                  picture + "\n");
        EXPECT_EQ(runner.run(script), 0) << err.str();
    }
    const std::string svg = zt::test::read_file(picture);
    const std::vector<DrawnHotspot> drawn = drawn_hotspots(svg);
    // The earliest is drawn first, so the newest, which wins, lies on top.
    ASSERT_EQ(drawn.size(), 2u) << svg;
    EXPECT_EQ(drawn[0].order, 1);
    EXPECT_EQ(drawn[0].classes, "hotspot");
    EXPECT_EQ(drawn[1].order, 2);
    EXPECT_EQ(drawn[1].value, "B");
    EXPECT_EQ(drawn[1].classes, "hotspot current");
    EXPECT_NE(svg.find("the newest wins where they overlap"), std::string::npos);
}

TEST(ZthostDesktop, CommandsNameWhatIsWrongWithTheirArguments)
{
    zthost::DynamicLibrary library(zt::test::library_path());
    ASSERT_TRUE(library.loaded()) << library.error();
    std::ostringstream out;
    std::ostringstream err;
    zthost::ScriptRunner runner(library, out, err);
    zthost::add_desktop_commands(runner);
    std::istringstream script(".main Main 1 2 3\n"
                              ".child Nobody Panel 0 0 10 10\n"
                              ".point Main x 3\n"
                              ".point \"open 1 2\n"
                              ".picture\n");
    EXPECT_EQ(runner.run(script), 5);
    EXPECT_EQ(err.str(), "line 1: usage: .main TITLE LEFT TOP WIDTH HEIGHT\n"
                         "line 2: no window titled Nobody\n"
                         "line 3: usage: .point X Y, or .point WINDOW X Y (whole numbers)\n"
                         "line 4: usage: .point X Y, or .point WINDOW X Y\n"
                         "line 5: usage: .picture FILE\n");
}

} // namespace
