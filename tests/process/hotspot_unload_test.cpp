// A library unloaded with hotspots registered: its hook goes with it, so the
// pointer moves that follow reach no code of the unloaded library.
#include "dynamic_library.h"
#include "platform/desktop.h"
#include "tag_events.h"
#include "tag_site.h"
#include "test_desktop.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace {

using Texts = std::vector<std::string>;
using zt::platform::desktop_calls;

// A hook of the test's own, installed before the library's: it sees the
// messages the hooks installed after it pass on.
int messages_seen = 0;
zt::platform::HookHandle own_hook = nullptr;
zt::platform::HookResult ZT_SYSTEM_CALLBACK count_messages(int code,
                                                           zt::platform::HookMessage message,
                                                           zt::platform::HookArgument record)
{
    ++messages_seen;
    return desktop_calls().call_next_hook(own_hook, code, message, record);
}
using ZtCntx32Fn = std::int32_t(ZT_CALLER*)(const char*, std::int32_t, std::int32_t, std::int32_t,
                                            std::int32_t, const char*, const char*);

TEST(HotspotUnload, PointerMovesAfterTheLibraryIsGoneReachNothingOfIt)
{
    zt::test::use_fresh_emulated_machine();
    zt::test::TagSite site("Msg1 message 1 \"\"\nMsg2 message 2 \"\"\n");
    zt::test::TagEvents events(site.journal);
    zt::test::TestDesktop desktop;
    desktop.main_window("Main", 100, 100, 400, 300);
    zt::test::TestDesktop::point_at(5, 5);
    own_hook =
        desktop_calls().install_mouse_hook(count_messages, zt::platform::driver::current_thread());
    ASSERT_NE(own_hook, nullptr);
    std::optional<zthost::DynamicLibrary> library(std::in_place, zt::test::library_path());
    ASSERT_TRUE(library->loaded()) << library->error();
    const auto register_hotspot = reinterpret_cast<ZtCntx32Fn>(library->entry_point("ZtCntx32"));
    ASSERT_NE(register_hotspot, nullptr);
    ASSERT_EQ(register_hotspot("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
    ASSERT_EQ(register_hotspot("Main", 100, 10, 50, 50, "Msg2", "B"), 1);
    zt::test::TestDesktop::point_at(120, 120);
    EXPECT_EQ(events.take(), (Texts{"init", "activate Msg1", "activate Msg2", "Msg1 = A"}));
    library.reset();
    EXPECT_FALSE(zt::test::library_is_loaded(zt::test::library_path()));
    EXPECT_EQ(events.take(), (Texts{"give back Msg1", "give back Msg2", "shutdown"}));
    // A hook left behind would now run code that is gone: natively the process
    // crashes; Wine swallows the crash, and the messages never get past it.
    messages_seen = 0;
    zt::test::TestDesktop::point_at(210, 120);
    zt::test::TestDesktop::point_at(300, 300);
    EXPECT_GE(messages_seen, 2);
    EXPECT_EQ(events.take(), Texts{});
    desktop_calls().remove_hook(own_hook);
}

} // namespace
