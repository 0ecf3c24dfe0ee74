// ZtCntx32Cleanup and the library's exit step: what each gives back, and
// that no freed hotspot and no hook outlives them.
#include "hotspot_site.h"

namespace {

using zt::hotspots::hotspot_state;
using zt::test::Texts;

using Cleanup = zt::test::HotspotSite;

TEST_F(Cleanup, WithNoHotspotNothingChangesNotEvenTheHookOrAConnection)
{
    EXPECT_EQ(ZtCntx32("Main", -1, 0, 10, 10, "Msg1", "v"), -1); // installs the hook
    EXPECT_EQ(TagExists("Msg1"), 4);                             // opens the connection
    reports();
    events.take();
    ZtCntx32Cleanup();
    EXPECT_NE(hotspot_state().hook.load(), nullptr);
    EXPECT_NE(zt::tags::shared_tags().connection(), 0u);
    EXPECT_EQ(events.take(), Texts{});
    EXPECT_EQ(reports(), Texts{});
}

TEST_F(Cleanup, GivesBackEachTagOnceThenClosesAndTheNextRegistrationStartsAfresh)
{
    ASSERT_EQ(ZtCntx32("Main", 0, 0, 10, 10, "Msg2", "a"), 1);
    ASSERT_EQ(ZtCntx32("Main", 20, 0, 10, 10, "Msg1", "b"), 1);
    ASSERT_EQ(ZtCntx32("Main", 40, 0, 10, 10, "Msg1", "c"), 1);
    events.take();
    ZtCntx32Cleanup();
    // In key order, one give-back per tag however many hotspots share it.
    EXPECT_EQ(events.take(), (Texts{"give back Msg1", "give back Msg2", "shutdown"}));
    EXPECT_TRUE(hotspot_state().hotspots.list().empty());
    EXPECT_EQ(hotspot_state().hook.load(), nullptr);
    EXPECT_TRUE(zt::test::tag_table().empty());
    EXPECT_EQ(zt::tags::shared_tags().connection(), 0u);
    point_in_main(25, 5);
    EXPECT_EQ(events.take(), Texts{});

    ZtCntx32Cleanup(); // a second one finds nothing to do
    EXPECT_EQ(events.take(), Texts{});

    ASSERT_EQ(ZtCntx32("Main", 20, 0, 10, 10, "Msg3", "d"), 1);
    EXPECT_EQ(hotspot_state().hotspots.list().head(),
              &hotspot_state().hotspots.list().first_record());
    EXPECT_NE(hotspot_state().hook.load(), nullptr);
    point_in_main(26, 5);
    EXPECT_EQ(events.take(), (Texts{"init", "activate Msg3", "Msg3 = d"}));
    EXPECT_EQ(reports(), Texts{});
}

// A hook removal that fails, as Windows' can, with "access denied".
bool refuse_removal(zt::platform::HookHandle) noexcept
{
    return false;
}
std::uint32_t access_denied() noexcept
{
    return zt::platform::error_access_denied;
}

TEST_F(Cleanup, AFailedHookRemovalIsReportedAndLeavesNoFreedHotspotCurrent)
{
    ASSERT_EQ(ZtCntx32("Main", 0, 0, 50, 50, "Msg1", "a"), 1);
    point_in_main(10, 10);
    events.take();
    auto& calls = zt::platform::desktop_calls();
    calls.remove_hook = refuse_removal;
    calls.last_error = access_denied;
    ZtCntx32Cleanup();
    EXPECT_EQ(reports(), Texts{"CZtFunc32_71App::Ztcntx32Cleanup Failed with error 0x5"});
    EXPECT_EQ(events.take(), (Texts{"give back Msg1", "shutdown"}));
    EXPECT_NE(hotspot_state().hook.load(), nullptr); // kept, for the next release to retry

    // The hook runs on; with the current hotspot gone with the records, leaving
    // it writes nothing, not even with a connection open again.
    point_in_main(100, 100);
    EXPECT_EQ(reports(), Texts{});
    EXPECT_EQ(TagExists("Msg1"), 4);
    point_in_main(10, 10);
    point_in_main(100, 100);
    EXPECT_EQ(reports(), Texts{});

    // No second hook is installed; the next release with hotspots retries.
    calls = zt::platform::system_desktop_calls();
    const zt::platform::HookHandle kept = hotspot_state().hook.load();
    ASSERT_EQ(ZtCntx32("Main", 0, 0, 50, 50, "Msg1", "a"), 1);
    EXPECT_EQ(hotspot_state().hook.load(), kept);
    ZtCntx32Cleanup();
    EXPECT_EQ(hotspot_state().hook.load(), nullptr);
}

TEST_F(Cleanup, TheExitStepRemovesAHookStillInstalled)
{
    ASSERT_EQ(ZtCntx32("Main", 0, 0, 50, 50, "Msg1", "a"), 1);
    events.take();
    zt::library::application().ExitInstance();
    EXPECT_EQ(events.take(), (Texts{"give back Msg1", "shutdown"}));
    EXPECT_EQ(hotspot_state().hook.load(), nullptr);
    point_in_main(10, 10);
    EXPECT_EQ(events.take(), Texts{});
    EXPECT_EQ(reports(), Texts{});
}

} // namespace
