// The earlier release's hotspots: refusals reported alone, no tag work at
// registration, the newest hotspot first, only the head registered again in
// place, a connection and an activation of its own for every tag write (given
// back on the failure paths too), and the release at unload.
#include "earlier/earlier.h"
#include "hotspots/hotspot_state.h"
#include "suite_environment.h"
#include "tag_events.h"
#include "tag_site.h"
#include "test_desktop.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using zt::hotspots::hotspot_state;
using zt::test::TestDesktop;
using Texts = std::vector<std::string>;

constexpr const char* completed_release =
    "CZtFunc32App::Ztcntx32 -- Completed release of heap memory.";

class EarlierHotspots : public testing::Test {
  protected:
    static constexpr std::int32_t main_left = 100;
    static constexpr std::int32_t main_top = 100;

    EarlierHotspots()
        : site("Msg1 message 1 \"\"\nMsg2 message 2 \"\"\nFlow real 3\n"), events(site.journal)
    {
    }
    void SetUp() override
    {
        forget_hotspots();
        desktop.main_window("Main", main_left, main_top);
        TestDesktop::point_at(5, 5); // over no window
        events.take();
        reports();
    }
    void TearDown() override { forget_hotspots(); }

    // The release the library runs when it is unloaded.
    static void forget_hotspots() { zt::earlier::clean_up_hotspots_at_unload(); }
    static void point_in_main(std::int32_t x, std::int32_t y)
    {
        TestDesktop::point_at(main_left + x, main_top + y);
    }
    static Texts reports() { return zt::test::suite_log().take_new_messages(); }
    static std::size_t hotspot_count() { return hotspot_state().hotspots.size(); }
    // What one hook write does to the tag-access library.
    static Texts written(const std::string& tag, const std::string& text)
    {
        return {"init", "activate " + tag, tag + " = " + text, "give back " + tag, "shutdown"};
    }

    zt::test::TagSite site;
    zt::test::TagEvents events;
    TestDesktop desktop;
};

TEST_F(EarlierHotspots, RefusalsReportOnceEachReturnMinusOneAndRecordNothing)
{
    const std::string name_132(132, 'w');
    const std::string tag_32(32, 't');
    const std::string value_132(132, 'v');
    const struct {
        const char* window;
        std::int32_t left, top, width, height;
        const char* tag;
        const char* value;
        const char* report;
    } cases[] = {
        {"Main", -1, 0, 10, 10, "Msg1", "v", "region is off the screen."},
        {"", 0, -1, 0, 0, "Msg1", "v", "region is off the screen."},
        {"", 0, 0, 10, 0, "Msg1", "v", "region width or height is invalid."},
        {"Main", 0, 0, -3, 10, "Msg1", "v", "region width or height is invalid."},
        {nullptr, 0, 0, 10, 10, "Msg1", "v", "window name is invalid."},
        {name_132.c_str(), 0, 0, 10, 10, "Msg1", "v", "window name is too long."},
        {"Main", 0, 0, 10, 10, tag_32.c_str(), "v", "tag name is too long."},
        {"Main", 0, 0, 10, 10, "Msg1", value_132.c_str(), "value is too long."},
        {"Main", INT_MAX - 5, 0, 10, 10, "Msg1", "v", "region is off the screen."},
        {"Main", 0, INT_MAX, 10, 1, "Msg1", "v", "region is off the screen."},
    };
    for (const auto& call : cases) {
        EXPECT_EQ(ZtCntx32(call.window, call.left, call.top, call.width, call.height, call.tag,
                           call.value),
                  -1)
            << call.report;
        EXPECT_EQ(reports(), Texts{std::string("CZtFunc32App::ZtCntx32 ") + call.report});
    }
    EXPECT_EQ(hotspot_count(), 0u);
    EXPECT_NE(hotspot_state().hook.load(), nullptr); // installed all the same
    EXPECT_EQ(events.take(), Texts{});
}

TEST_F(EarlierHotspots, RegistrationDoesNoTagWorkAndEachWriteConnectsAfresh)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "Pump running"), 1);
    ASSERT_EQ(ZtCntx32("Main", 100, 10, 50, 50, "Msg2", "Valve open"), 1);
    EXPECT_EQ(events.take(), Texts{});
    point_in_main(20, 20);
    point_in_main(30, 30); // inside the same hotspot: nothing
    EXPECT_EQ(events.take(), written("Msg1", "Pump running"));
    point_in_main(110, 20);
    Texts expected = written("Msg1", "");
    for (const std::string& event : written("Msg2", "Valve open")) {
        expected.push_back(event);
    }
    EXPECT_EQ(events.take(), expected);
    point_in_main(300, 200);
    EXPECT_EQ(events.take(), written("Msg2", ""));
    EXPECT_EQ(reports(), Texts{});
}

TEST_F(EarlierHotspots, TheNewestOfOverlappingHotspotsWins)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
    ASSERT_EQ(ZtCntx32("main", 40, 10, 50, 50, "Msg2", "B"), 1);
    point_in_main(45, 20); // in both
    EXPECT_EQ(events.take(), written("Msg2", "B"));
    point_in_main(20, 20); // in A only
    Texts expected = written("Msg2", "");
    for (const std::string& event : written("Msg1", "A")) {
        expected.push_back(event);
    }
    EXPECT_EQ(events.take(), expected);
}

TEST_F(EarlierHotspots, OnlyTheHeadIsRegisteredAgainInPlace)
{
    const auto value_at = [](std::int32_t x) {
        point_in_main(300, 250);
        point_in_main(x, 20);
    };
    // Same rectangle, window and tag (in any case) in a row: the head takes the new value.
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "first"), 1);
    ASSERT_EQ(ZtCntx32("MAIN", 10, 10, 50, 50, "msg1", "second"), 1);
    EXPECT_EQ(hotspot_count(), 1u);
    EXPECT_STREQ(hotspot_state().hotspots.list().head()->window_name.data(), "Main");
    EXPECT_STREQ(hotspot_state().hotspots.list().head()->tag_name.data(), "msg1");
    EXPECT_STREQ(hotspot_state().hotspots.list().head()->value.data(), "second");
    // Another tag, or another registration in between: a new record, which shadows the first.
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg2", "third"), 1);
    EXPECT_EQ(hotspot_count(), 2u);
    ASSERT_EQ(ZtCntx32("Main", 100, 10, 50, 50, "Msg2", "elsewhere"), 1);
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "msg1", "fourth"), 1);
    EXPECT_EQ(hotspot_count(), 4u);
    events.take();
    value_at(20);
    EXPECT_EQ(events.take(), written("msg1", "fourth"));
    EXPECT_EQ(reports(), Texts{});
}

TEST_F(EarlierHotspots, AFailedWriteReportsGivesEverythingBackAndStillMovesOn)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "NoSuchTag", "A"), 1);
    ASSERT_EQ(ZtCntx32("Main", 100, 10, 50, 50, "Flow", "B"), 1);
    ASSERT_EQ(ZtCntx32("Main", 200, 10, 50, 50, "Msg1", "C"), 1);
    point_in_main(20, 20);
    EXPECT_EQ(reports(),
              Texts{"CZtFunc32App::ZtCntx32 TagportActivate failed: 'NoSuchTag' not a valid tag"});
    EXPECT_EQ(events.take(), (Texts{"init", "activate NoSuchTag failed", "shutdown"}));
    point_in_main(300, 250); // left: the failed hotspot was current all the same
    reports();
    events.take();
    point_in_main(110, 20);
    EXPECT_EQ(reports(),
              Texts{"CZtFunc32App::ZtCntx32 TagportType failed: 'Flow' not a message tag"});
    EXPECT_EQ(events.take(), (Texts{"init", "activate Flow", "give back Flow", "shutdown"}));
    point_in_main(300, 250);
    reports();

    // No connection: nothing written or reported, yet the hotspot is current.
    zt::test::set_environment("TAGPORT_REFUSE_CONNECT", "1");
    events.take();
    point_in_main(210, 20);
    EXPECT_EQ(events.take(), Texts{"init"});
    zt::test::clear_tagport_faults();
    point_in_main(300, 250);
    EXPECT_EQ(events.take(), written("Msg1", ""));
    EXPECT_EQ(reports(), Texts{});
}

TEST_F(EarlierHotspots, TheReleaseAtUnloadFreesTheHotspotsAndRemovesTheHook)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
    ASSERT_EQ(ZtCntx32("Main", 100, 10, 50, 50, "Msg2", "B"), 1);
    point_in_main(20, 20);
    events.take();
    zt::earlier::clean_up_hotspots_at_unload();
    EXPECT_EQ(reports(), Texts{completed_release});
    EXPECT_EQ(events.take(), Texts{}); // no tag, no connection held
    EXPECT_EQ(hotspot_count(), 0u);
    EXPECT_EQ(hotspot_state().hook.load(), nullptr);
    point_in_main(110, 20);
    EXPECT_EQ(events.take(), Texts{});

    // A hook that only a refused call installed goes too, without a report.
    ASSERT_EQ(ZtCntx32("Main", -1, 10, 50, 50, "Msg1", "A"), -1);
    reports();
    ASSERT_NE(hotspot_state().hook.load(), nullptr);
    zt::earlier::clean_up_hotspots_at_unload();
    EXPECT_EQ(hotspot_state().hook.load(), nullptr);
    EXPECT_EQ(reports(), Texts{});

    // The next registration fills the static first record again.
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
    EXPECT_EQ(hotspot_state().hotspots.list().head(),
              &hotspot_state().hotspots.list().first_record());
}

} // namespace
