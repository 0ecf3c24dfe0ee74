// The shared tag-access connection over the library's whole life: what the
// first query finds, and what unloading gives back.
#include "dynamic_library.h"
#include "tag_site.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using zt::test::function_names;

TEST(TagConnection, UnloadingTheLibraryShutsItsConnectionDown)
{
    zt::test::use_fresh_emulated_machine();
    zt::test::TagSite site;
    using TagExistsFn = std::int32_t(ZT_CALLER*)(const char*);
    {
        const zthost::DynamicLibrary library(zt::test::library_path());
        ASSERT_TRUE(library.loaded()) << library.error();
        const auto tag_exists = reinterpret_cast<TagExistsFn>(library.entry_point("TagExists"));
        ASSERT_NE(tag_exists, nullptr);
        EXPECT_EQ(tag_exists("Flow"), 3);
        site.journal.take_new_calls();
    }
    EXPECT_FALSE(zt::test::library_is_loaded(zt::test::library_path()));
    const auto calls = site.journal.take_new_calls();
    EXPECT_EQ(function_names(calls), std::vector<std::string>{"TagportShutdown"});
}

TEST(TagConnection, MessageBufferIsEmptyUntilAMessageWasRead)
{
    zt::test::use_fresh_emulated_machine();
    zt::test::TagSite site;
    zt::test::set_environment("TAGPORT_REFUSE_CONNECT", "1");
    EXPECT_STREQ(GetDiscOnMsg("Pump1"), "");
    zt::test::clear_tagport_faults();
    EXPECT_STREQ(GetDiscOnMsg("Pump1"), "Pump running");
}

} // namespace
