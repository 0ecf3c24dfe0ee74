// The library's exit step: the tag table's tags are given back and the shared
// connection closed. (tests/process covers the real unload.)
#include "frame/library.h"
#include "tag_site.h"
#include "tagport.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

namespace {

using zt::test::function_names;

TEST(ExitStep, GivesBackEveryTableTagThenShutsTheConnectionDown)
{
    zt::test::TagSite site;
    zt::frame::CZtFunc32_71App& app = zt::frame::application();
    ASSERT_EQ(TagExists("Note"), 4); // opens the shared connection
    const TP_CONNECTION connection = app.connection;
    app.tag_table["Note"] = TagportActivate(connection, "Note");
    app.tag_table["Pump1.OnMsg"] = TagportActivate(connection, "Pump1.OnMsg");
    site.journal.take_new_calls();

    app.ExitInstance();
    const auto calls = site.journal.take_new_calls();
    EXPECT_EQ(function_names(calls),
              (std::vector<std::string>{"TagportIsActive", "TagportDeactivate", "TagportIsActive",
                                        "TagportDeactivate", "TagportShutdown"}));
    EXPECT_EQ(calls.back().arguments, std::to_string(connection));
    EXPECT_TRUE(app.tag_table.empty());
    EXPECT_EQ(app.connection, 0u);

    // With nothing left, a second exit step calls nothing.
    app.ExitInstance();
    EXPECT_TRUE(site.journal.take_new_calls().empty());
}

} // namespace
