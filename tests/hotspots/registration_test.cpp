// ZtCntx32: argument checks and their reports, the hook installed on the host
// thread, the hotspot records, and the tag table.
#include "hotspot_site.h"
#include "test_environment.h"

#include <climits>

namespace {

using zt::hotspots::hotspot_state;
using zt::test::Texts;

constexpr const char* install_failure =
    "Failure: ZtCntx32 Func. - Unable to install specified context.";

class Registration : public zt::test::HotspotSite {
  protected:
    static std::size_t hotspot_count() { return hotspot_state().hotspots.list().size(); }
};

struct RefusedCall {
    const char* what;
    const char* window;
    std::int32_t left, top, width, height;
    const char* tag;
    const char* value;
    const char* report;
};

TEST_F(Registration, RefusesBadArgumentsOneReportEachInTheirOrderAndRecordsNothing)
{
    const std::string name_131(131, 'w');
    const std::string name_132(132, 'w');
    const std::string tag_32(32, 't');
    const std::string value_132(132, 'v');
    const RefusedCall cases[] = {
        {"left", "Main", -1, 0, 10, 10, "Msg1", "v", "region is off the screen."},
        {"top", "Main", 0, -1, 10, 10, "Msg1", "v", "region is off the screen."},
        {"all at once", "", -1, -1, 0, 0, "Msg1", "v", "region is off the screen."},
        {"width", "Main", 0, 0, 0, 10, "Msg1", "v", "region width or height is invalid."},
        {"height", "Main", 0, 0, 10, -5, "Msg1", "v", "region width or height is invalid."},
        {"size before name", "", 0, 0, 10, 0, "Msg1", "v", "region width or height is invalid."},
        {"empty name", "", 0, 0, 10, 10, "Msg1", "v", "window name is invalid."},
        {"null name", nullptr, 0, 0, 10, 10, "Msg1", "v", "window name is invalid."},
        {"long name", name_132.c_str(), 0, 0, 10, 10, "Msg1", "v", "window name is too long."},
        {"long tag", name_131.c_str(), 0, 0, 10, 10, tag_32.c_str(), "v", "tag name is too long."},
        {"long value", "Main", 0, 0, 10, 10, "Msg1", value_132.c_str(), "value is too long."},
        {"right beyond", "Main", INT_MAX - 5, 0, 10, 10, "Msg1", "v", "region is off the screen."},
        {"bottom beyond", "Main", 0, INT_MAX, 10, 1, "Msg1", "v", "region is off the screen."},
        // A far corner beyond the coordinates counts only once every other check passed.
        {"beyond, no name", "", 1, 0, INT_MAX, 10, "Msg1", "v", "window name is invalid."},
        {"beyond, no height", "Main", 1, 0, INT_MAX, 0, "Msg1", "v",
         "region width or height is invalid."},
        {"beyond, long value", "Main", 0, 1, 10, INT_MAX, "Msg1", value_132.c_str(),
         "value is too long."},
    };
    // A logger that records formats sees each fixed text as the format itself.
    zt::test::set_environment("ZTDEBUG_FORMATS", "1");
    for (const RefusedCall& call : cases) {
        EXPECT_EQ(ZtCntx32(call.window, call.left, call.top, call.width, call.height, call.tag,
                           call.value),
                  -1)
            << call.what;
        EXPECT_EQ(reports(),
                  (Texts{std::string("CZtFunc32_71App::ZtCntx32 ") + call.report, install_failure}))
            << call.what;
    }
    zt::test::unset_environment("ZTDEBUG_FORMATS");
    EXPECT_EQ(hotspot_count(), 0u);
    EXPECT_EQ(events.take(), Texts{}); // not even connected
}

TEST_F(Registration, TakesTheLimitsOfEveryFieldAndStoresTheTextsWhole)
{
    const std::string name_131(131, 'w');
    const std::string tag_31 = "Msg1" + std::string(27, '_');
    const std::string value_131(131, 'v');
    EXPECT_EQ(ZtCntx32(name_131.c_str(), 0, 0, 1, 1, tag_31.c_str(), value_131.c_str()), 1);
    EXPECT_EQ(ZtCntx32("  ", 0, 0, 1, 1, "", ""), 1); // blanks are a name; no tag to activate
    EXPECT_EQ(ZtCntx32("Main", 0, 0, 1, 1, nullptr, nullptr), 1); // null texts are empty
    EXPECT_EQ(reports(), Texts{});
    ASSERT_EQ(hotspot_count(), 3u);
    const zt::hotspots::HotspotRecord& first = *hotspot_state().hotspots.list().head();
    EXPECT_EQ(&first,
              &hotspot_state().hotspots.list().first_record()); // the static record comes first
    EXPECT_EQ(std::string(first.window_name.data()), name_131);
    EXPECT_EQ(std::string(first.tag_name.data()), tag_31);
    EXPECT_EQ(std::string(first.value.data()), value_131);
    EXPECT_EQ(first.rect, (zt::hotspots::Rect{0, 0, 1, 1}));
    EXPECT_EQ(events.take(), (Texts{"init", "activate " + tag_31 + " failed", "activate  failed",
                                    "activate  failed"}));
}

TEST_F(Registration, InstallsTheHookOnTheMainWindowsThreadAlsoForARefusedCall)
{
    desktop.destroy(main);
    EXPECT_EQ(ZtCntx32("Main", 10, 10, 20, 20, "Msg1", "v"), 1);
    EXPECT_EQ(hotspot_state().hook.load(), nullptr); // no main window, no host thread
    EXPECT_EQ(hotspot_state().host_thread, 0u);

    main = desktop.main_window("Main");
    EXPECT_EQ(ZtCntx32("Main", -1, 10, 20, 20, "Msg1", "v"), -1);
    reports();
    const zt::platform::HookHandle hook = hotspot_state().hook.load();
    EXPECT_NE(hook, nullptr);
    EXPECT_EQ(hotspot_state().host_thread, zt::platform::driver::current_thread());
    EXPECT_EQ(ZtCntx32("Main", 30, 10, 20, 20, "Msg1", "v"), 1);
    EXPECT_EQ(hotspot_state().hook.load(), hook); // installed once
}

TEST_F(Registration, SameRectangleOfTheSameWindowInAnyCaseKeepsOneRecord)
{
    EXPECT_EQ(ZtCntx32("Main", 10, 10, 20, 20, "Msg1", "first"), 1);
    EXPECT_EQ(ZtCntx32("MAIN", 10, 10, 20, 20, "Msg2", "second"), 1);
    EXPECT_EQ(ZtCntx32("Other", 10, 10, 20, 20, "Msg1", "other"), 1);
    EXPECT_EQ(ZtCntx32("Main", 10, 10, 20, 21, "Msg1", "taller"), 1);
    ASSERT_EQ(hotspot_count(), 3u);
    const zt::hotspots::HotspotRecord& kept = *hotspot_state().hotspots.list().head();
    EXPECT_STREQ(kept.window_name.data(), "Main");
    EXPECT_STREQ(kept.tag_name.data(), "Msg2");
    EXPECT_STREQ(kept.value.data(), "second");
    // The new tag is activated; the old one stays in the table until release.
    EXPECT_EQ(events.take(), (Texts{"init", "activate Msg1", "activate Msg2"}));
    EXPECT_EQ(zt::test::tag_table().size(), 2u);

    point_in_main(15, 15);
    EXPECT_EQ(events.take(), Texts{"Msg2 = second"});
}

TEST_F(Registration, ActivatesEachMessageTagOnceAndGivesBackWhatIsNoMessageTag)
{
    EXPECT_EQ(ZtCntx32("Main", 0, 0, 10, 10, "Msg1", "a"), 1);
    EXPECT_EQ(ZtCntx32("Main", 20, 0, 10, 10, "Msg1", "b"), 1);
    EXPECT_EQ(ZtCntx32("Main", 40, 0, 10, 10, "msg1", "c"), 1); // another name
    EXPECT_EQ(ZtCntx32("Main", 60, 0, 10, 10, "Flow", "d"), 1);
    EXPECT_EQ(ZtCntx32("Main", 80, 0, 10, 10, "NoSuchTag", "e"), 1);
    EXPECT_EQ(ZtCntx32("Main", 100, 0, 10, 10, "Flow", "f"), 1);
    EXPECT_EQ(reports(), Texts{});
    EXPECT_EQ(hotspot_count(), 6u);
    EXPECT_EQ(events.take(),
              (Texts{"init", "activate Msg1", "activate msg1", "activate Flow", "give back Flow",
                     "activate NoSuchTag failed", "activate Flow", "give back Flow"}));
    const auto& table = zt::test::tag_table();
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.begin()->first, "Msg1");
    EXPECT_EQ(std::next(table.begin())->first, "msg1");
}

TEST_F(Registration, ConnectionFailuresLeaveTheListAsItWas)
{
    zt::test::set_environment("TAGPORT_REFUSE_CONNECT", "1");
    EXPECT_EQ(ZtCntx32("Main", 0, 0, 10, 10, "Msg1", "a"), -2);
    EXPECT_EQ(reports(), Texts{"Failure: ZtCntx32 Func. - Unable to connect to Tagport."});
    EXPECT_EQ(hotspot_count(), 0u);
    EXPECT_EQ(zt::tags::shared_tags().connection(), 0u);

    zt::test::clear_tagport_faults();
    EXPECT_EQ(ZtCntx32("Main", 0, 0, 10, 10, "Msg1", "a"), 1);
    const TP_CONNECTION connection = zt::tags::shared_tags().connection();
    zt::test::set_environment("TAGPORT_FAIL_CHECK", "1");
    EXPECT_EQ(ZtCntx32("Main", 20, 0, 10, 10, "Msg1", "b"), -2);
    EXPECT_EQ(reports(), Texts{"Failure: ZtCntx32 Func. - Unable to connect to Tagport."});
    EXPECT_EQ(hotspot_count(), 1u);
    EXPECT_EQ(zt::tags::shared_tags().connection(), connection); // the handle stays
}

} // namespace
