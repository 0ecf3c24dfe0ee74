// zthost's tag commands in a session against the built library.
#include "dynamic_library.h"
#include "script_runner.h"
#include "tag_commands.h"
#include "tag_site.h"
#include "test_environment.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

class ZthostTags : public testing::Test {
  protected:
    int run(const std::string& script)
    {
        std::istringstream in(script);
        zthost::ScriptRunner runner(library, out, err);
        zthost::add_tag_commands(runner);
        return runner.run(in);
    }
    bool shown(const std::string& text) const { return out.str().find(text) != std::string::npos; }

    zt::test::TagSite site{"Flow real 1\n"};
    zthost::DynamicLibrary library{zt::test::library_path()};
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ZthostTags, SetsUpTagsThatTheLibraryThenUses)
{
    ASSERT_TRUE(library.loaded()) << library.error();
    EXPECT_EQ(run(".tag Pump discrete 2\n"
                  ".tag Pump.OnMsg message 3 \"Pump on\"\n"
                  ".tag Level integer 4\n"
                  ".untag Flow\n"
                  ".tagfile\n"
                  "GetDiscOnMsg( \"Pump\" );\n"
                  "SetTagEU( \"Level\", \"mm\" );\n"
                  "TagExists( \"Flow\" );\n"
                  ".tags\n"),
              0)
        << err.str();
    EXPECT_TRUE(shown("GetDiscOnMsg( \"Pump\" ) -> \"Pump on\"")) << out.str();
    EXPECT_TRUE(shown("SetTagEU( \"Level\", \"mm\" ) -> 0"));
    EXPECT_TRUE(shown("TagExists( \"Flow\" ) -> -3"));
    EXPECT_TRUE(shown("\"Pump on\"\n"));
    EXPECT_TRUE(shown("units \"mm\""));
    EXPECT_FALSE(shown("    Flow "));
}

TEST_F(ZthostTags, BadCommandsNameTheirLine)
{
    EXPECT_EQ(run(".tag Broken sometype 1\n.untag Nobody\n.tag\n"), 3);
    EXPECT_NE(err.str().find("line 1: .tag NAME TYPE INDEX [TEXT]: unknown type"),
              std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("line 2: no tag named Nobody"), std::string::npos);
}

} // namespace
