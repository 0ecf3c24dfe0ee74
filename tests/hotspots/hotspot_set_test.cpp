// The hotspot records' index by window title, with more windows than its
// table first has room for: every window keeps its own hotspots, whatever
// letter case names it, and registering a place again changes it in place.
#include "hotspots/hotspot_set.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using zt::hotspots::HotspotFields;
using zt::hotspots::HotspotSet;
using zt::hotspots::Rect;

TEST(HotspotSet, ManyWindowsEachKeepTheirHotspots)
{
    constexpr int windows = 40;
    HotspotSet set;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < windows; ++i) {
            const std::string name = (round == 0 ? "Screen " : "SCREEN ") + std::to_string(i);
            const std::string tag = "Tag" + std::to_string(i);
            const std::string value = std::to_string(round);
            const HotspotFields fields{Rect{i, 0, i + 10, 10}, tag, value, name};
            EXPECT_EQ(set.record(fields), round == 1 ? HotspotSet::Recorded::again
                                                     : (i == 0 ? HotspotSet::Recorded::first
                                                               : HotspotSet::Recorded::added))
                << name;
        }
    }
    EXPECT_EQ(set.size(), static_cast<std::size_t>(windows));
    for (int i = 0; i < windows; ++i) {
        const std::string title = "screen " + std::to_string(i);
        const auto* hit = set.hit(title, {i, 5});
        ASSERT_NE(hit, nullptr) << title;
        EXPECT_EQ(std::string(hit->tag_name.data()), "Tag" + std::to_string(i));
        EXPECT_EQ(std::string(hit->value.data()), "1");
        EXPECT_EQ(set.hit(title, {i + 10, 5}), nullptr) << title;
    }
    EXPECT_EQ(set.hit("screen 40", {0, 0}), nullptr);
    set.clear();
    EXPECT_EQ(set.hit("screen 0", {0, 5}), nullptr);
    EXPECT_TRUE(set.empty());
}

} // namespace
