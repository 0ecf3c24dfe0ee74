// A host site for hotspot tests: message tags in the tag-access stand-in, the
// host runtime's main window titled "Main" (class "Scenehall") with its client
// area at (100, 100) on the screen, 400 x 300, the logger's reports, and no
// hotspot, hook or replaced desktop call left behind.
#pragma once

#include "hotspots/hotspot_state.h"
#include "library/application.h"
#include "platform/desktop.h"
#include "suite_environment.h"
#include "tag_events.h"
#include "tag_site.h"
#include "tagport.h"
#include "tags/shared_tags.h"
#include "test_desktop.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zt::test {

inline constexpr const char* hotspot_tags = "Msg1 message 1 \"\"\n"
                                            "Msg2 message 2 \"\"\n"
                                            "Msg3 message 3 \"\"\n"
                                            "Flow real 4\n";

using Texts = std::vector<std::string>;

// The library's tag table as it stands (empty without a tag session).
inline tags::TagTable tag_table()
{
    const tags::SessionRef session = tags::shared_tags().current();
    return session ? session->table() : tags::TagTable();
}

class HotspotSite : public testing::Test {
  protected:
    static constexpr std::int32_t main_left = 100;
    static constexpr std::int32_t main_top = 100;

    HotspotSite() : site(hotspot_tags), events(site.journal) {}

    void SetUp() override
    {
        forget_hotspots();
        main = desktop.main_window("Main", main_left, main_top);
        TestDesktop::point_at(5, 5); // over no window
        events.take();
        suite_log().take_new_messages();
    }
    void TearDown() override
    {
        platform::desktop_calls() = platform::system_desktop_calls();
        forget_hotspots();
    }

    // Releases every hotspot and removes a hook that a refused call left.
    static void forget_hotspots()
    {
        ZtCntx32Cleanup();
        hotspots::HotspotState& state = hotspots::hotspot_state();
        const std::lock_guard lock(state.lock);
        hotspots::remove_hook(state);
        state.host_thread = 0;
    }
    // Moves the pointer to (x, y) in Main's client area.
    static void point_in_main(std::int32_t x, std::int32_t y)
    {
        TestDesktop::point_at(main_left + x, main_top + y);
    }
    static Texts reports() { return suite_log().take_new_messages(); }

    TagSite site;
    TagEvents events;
    TestDesktop desktop;
    platform::WindowHandle main = nullptr;
};

} // namespace zt::test
