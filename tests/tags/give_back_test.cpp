// Giving tags back. After its use in a call, a tag is deactivated only while
// the tag-access library says it is still active; the exit step gives back
// every tag of the tag table whatever that answer, then shuts the shared
// connection down. (tests/process covers the real unload.)
#include "library/application.h"
#include "tag_site.h"
#include "tagport.h"
#include "tags/shared_tags.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using zt::test::function_names;
using Names = std::vector<std::string>;

long count(const Names& names, const std::string& name)
{
    return std::count(names.begin(), names.end(), name);
}

TEST(GiveBack, AfterUseATagIsDeactivatedOnlyWhileItIsActive)
{
    struct Use {
        const char* name;
        std::function<void()> call;
    };
    const Use uses[] = {
        {"TagExists", [] { EXPECT_EQ(TagExists("Flow"), 3); }},
        {"GetDiscOnMsg", [] { EXPECT_STREQ(GetDiscOnMsg("Pump1"), "Pump running"); }},
        {"GetDiscOffMsg", [] { EXPECT_STREQ(GetDiscOffMsg("Pump1"), "Pump stopped"); }},
        {"SetTagEU", [] { EXPECT_EQ(SetTagEU("Flow", "kg/h"), 0); }},
    };
    for (const bool active : {true, false}) {
        for (const Use& use : uses) {
            zt::test::TagSite site;
            if (!active) {
                zt::test::set_environment("TAGPORT_NOT_ACTIVE", "1");
            }
            use.call();
            const Names names = function_names(site.journal.take_new_calls());
            EXPECT_EQ(count(names, "TagportIsActive"), 1) << use.name;
            EXPECT_EQ(count(names, "TagportDeactivate"), active ? 1 : 0) << use.name;
        }
    }
}

TEST(GiveBack, ExitStepGivesBackEveryTableTagWhateverItsStateThenShutsTheConnectionDown)
{
    for (const bool active : {true, false}) {
        zt::test::TagSite site;
        zt::library::CZtFunc32_71App& app = zt::library::application();
        zt::tags::SharedTags& shared = zt::tags::shared_tags();
        ASSERT_EQ(TagExists("Note"), 4); // opens the shared connection
        const TP_CONNECTION connection = shared.connection();
        {
            const zt::tags::SessionRef session = shared.current();
            session->enter("Note", TagportActivate(connection, "Note"));
            session->enter("Pump1.OnMsg", TagportActivate(connection, "Pump1.OnMsg"));
        }
        if (!active) {
            zt::test::set_environment("TAGPORT_NOT_ACTIVE", "1");
        }
        site.journal.take_new_calls();

        app.ExitInstance();
        const auto calls = site.journal.take_new_calls();
        EXPECT_EQ(function_names(calls),
                  (Names{"TagportIsActive", "TagportDeactivate", "TagportIsActive",
                         "TagportDeactivate", "TagportShutdown"}));
        EXPECT_EQ(calls.back().arguments, std::to_string(connection));
        EXPECT_FALSE(shared.current());

        // With nothing left, a second exit step calls nothing.
        app.ExitInstance();
        EXPECT_TRUE(site.journal.take_new_calls().empty());
    }
}

} // namespace
