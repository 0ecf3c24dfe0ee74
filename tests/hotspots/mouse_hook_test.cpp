// The mouse hook, driven by pointer moves: the hit test, the order of writes,
// child and parent windows, titles, other threads, and what it passes on.
#include "hotspot_site.h"

#include "hotspots/hotspots.h"
#include "tagport_standin.h"

#include <atomic>
#include <condition_variable>
#include <fstream>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace {

using zt::platform::HookArgument;
using zt::platform::HookMessage;
using zt::platform::HookResult;
using zt::platform::MouseHookRecord;
using zt::platform::Point;
using zt::test::TestDesktop;
using zt::test::Texts;

using MouseHook = zt::test::HotspotSite;

TEST_F(MouseHook, WritesTheValueOnEntryOnlyAndTheEmptyTextOnLeaving)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 100, 50, "Msg1", "Pump running"), 1);
    events.take();
    point_in_main(20, 20);
    EXPECT_EQ(events.take(), Texts{"Msg1 = Pump running"});
    point_in_main(21, 20);
    point_in_main(60, 40);
    EXPECT_EQ(events.take(), Texts{});
    point_in_main(200, 200);
    EXPECT_EQ(events.take(), Texts{"Msg1 = "});
    point_in_main(250, 200);
    EXPECT_EQ(events.take(), Texts{});
    EXPECT_EQ(reports(), Texts{});
}

TEST_F(MouseHook, LeftAndTopEdgesAreInsideRightAndBottomOutside)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 20, 30, 40, "Msg1", "in"), 1); // (10,20)-(40,60)
    struct Case {
        std::int32_t x, y;
        bool inside;
    };
    for (const Case point : {Case{10, 20, true}, Case{39, 59, true}, Case{40, 30, false},
                             Case{20, 60, false}, Case{9, 30, false}, Case{20, 19, false}}) {
        point_in_main(200, 200);
        events.take();
        point_in_main(point.x, point.y);
        EXPECT_EQ(events.take(), point.inside ? Texts{"Msg1 = in"} : Texts{})
            << point.x << ", " << point.y;
    }
}

TEST_F(MouseHook, FromOneHotspotStraightIntoAnotherClearsTheFirstThenSetsTheSecond)
{
    // Overlapping, so the earlier one wins where both contain the pointer.
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
    ASSERT_EQ(ZtCntx32("Main", 40, 10, 50, 50, "Msg2", "B"), 1);
    ASSERT_EQ(ZtCntx32("Main", 100, 10, 50, 50, "Msg2", "C"), 1); // shares B's tag
    events.take();
    point_in_main(45, 20);
    EXPECT_EQ(events.take(), Texts{"Msg1 = A"});
    point_in_main(70, 20);
    EXPECT_EQ(events.take(), (Texts{"Msg1 = ", "Msg2 = B"}));
    point_in_main(120, 20);
    EXPECT_EQ(events.take(), (Texts{"Msg2 = ", "Msg2 = C"})); // the shared tag ends with C
}

TEST_F(MouseHook, AChildWithoutAHotspotThereLeadsToItsAncestorsHotspot)
{
    // Panel at (50, 40) in Main, Knob at (10, 10) in Panel.
    const auto panel = desktop.window("ZtTestPanel", "Panel", main, 50, 40, 200, 100);
    desktop.window("ZtTestKnob", "Knob", panel, 10, 10, 40, 40);
    ASSERT_EQ(ZtCntx32("Main", 55, 45, 20, 20, "Msg1", "main"), 1);   // in Main's coordinates
    ASSERT_EQ(ZtCntx32("panel", 100, 0, 50, 50, "Msg2", "panel"), 1); // in Panel's
    ASSERT_EQ(ZtCntx32("Knob", 30, 30, 10, 10, "Msg3", "knob"), 1);
    events.take();
    point_in_main(60, 55); // over Knob and Panel, inside Main's hotspot only
    EXPECT_EQ(events.take(), Texts{"Msg1 = main"});
    point_in_main(160, 50); // over Panel, inside its own hotspot
    EXPECT_EQ(events.take(), (Texts{"Msg1 = ", "Msg2 = panel"}));
    point_in_main(95, 85); // over Knob, inside Knob's hotspot
    EXPECT_EQ(events.take(), (Texts{"Msg2 = ", "Msg3 = knob"}));
}

TEST_F(MouseHook, TitlesMatchInAnyCaseByTheirFirst130Characters)
{
    const std::string title_131 = std::string(130, 'T') + "x";
    const auto titled = desktop.window("ZtTestPanel", title_131.c_str(), main, 0, 100, 100, 100);
    ASSERT_EQ(ZtCntx32(title_131.c_str(), 0, 0, 50, 100, "Msg1", "whole name"), 1);
    ASSERT_EQ(ZtCntx32(std::string(130, 't').c_str(), 50, 0, 50, 100, "Msg2", "130"), 1);
    ASSERT_EQ(ZtCntx32("MAIN", 0, 0, 100, 50, "Msg3", "main"), 1);
    events.take();
    point_in_main(10, 150); // in the hotspot of the full 131-character name: never matches
    EXPECT_EQ(events.take(), Texts{});
    point_in_main(60, 150);
    EXPECT_EQ(events.take(), Texts{"Msg2 = 130"});
    point_in_main(10, 10);
    EXPECT_EQ(events.take(), (Texts{"Msg2 = ", "Msg3 = main"}));
    ASSERT_TRUE(zt::platform::driver::set_window_title(titled, ""));
    point_in_main(60, 150); // an empty title matches nothing
    EXPECT_EQ(events.take(), Texts{"Msg3 = "});
}

TEST_F(MouseHook, MessagesForWindowsOfAnotherThreadThanTheHostsChangeNothing)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
    // The main window is now one of another thread; the hook stays on this one.
    std::mutex mutex;
    std::condition_variable changed;
    bool made = false;
    std::atomic<bool> done{false};
    desktop.destroy(main);
    main = desktop.window("ZtTestPlain", "Main", nullptr, main_left, main_top, 400, 300);
    std::thread host([&] {
        TestDesktop own;
        own.main_window("Elsewhere", 700, 100, 100, 100);
        {
            const std::lock_guard lock(mutex);
            made = true;
        }
        changed.notify_all();
        while (!done) {
            zt::platform::driver::pump_messages();
        }
    });
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return made; });
    }
    ASSERT_EQ(ZtCntx32("Main", 100, 10, 50, 50, "Msg2", "B"), 1);
    events.take();
    point_in_main(20, 20);
    EXPECT_EQ(events.take(), Texts{});
    done = true;
    host.join();

    // Without a main window the host thread is none, and every message is ignored.
    ASSERT_EQ(ZtCntx32("Main", 200, 10, 50, 50, "Msg3", "C"), 1);
    EXPECT_EQ(zt::hotspots::hotspot_state().host_thread, 0u);
    events.take();
    point_in_main(210, 20);
    EXPECT_EQ(events.take(), Texts{});
}

TEST_F(MouseHook, AHotspotWithoutATableEntryBecomesCurrentAndWritesNothing)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Flow", "not a message tag"), 1);
    ASSERT_EQ(ZtCntx32("Main", 60, 10, 50, 50, "Msg1", "A"), 1);
    events.take();
    point_in_main(20, 20);
    point_in_main(200, 200);
    EXPECT_EQ(events.take(), Texts{});
    point_in_main(70, 20);
    point_in_main(20, 20); // leaving A for Flow's hotspot: only A's tag is written
    EXPECT_EQ(events.take(), (Texts{"Msg1 = A", "Msg1 = "}));
}

TEST_F(MouseHook, AHotspotWritesToItsTagFromWhenTheTagEntersTheTable)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Later", "A"), 1); // no such tag yet
    point_in_main(20, 20);
    point_in_main(200, 200);
    std::ofstream(site.database(), std::ios::app) << "Later message 9 \"\"\n";
    ASSERT_EQ(ZtCntx32("Main", 100, 10, 50, 50, "Later", "B"), 1);
    events.take();
    point_in_main(20, 20);
    EXPECT_EQ(events.take(), Texts{"Later = A"});
}

TEST_F(MouseHook, WithTheConnectionClosedUnderItTheHookReportsAndDoesNotReconnect)
{
    ASSERT_EQ(ZtCntx32("Main", 0, 0, 50, 50, "Msg1", "a"), 1);
    ASSERT_EQ(ZtCntx32("Main", 100, 0, 50, 50, "Msg2", "b"), 1);
    const zt::hotspots::HotspotRecord* const b =
        zt::hotspots::hotspot_state().hotspots.hit("Main", {110, 10});
    point_in_main(110, 10);
    zt::test::close_library_connection();
    events.take();
    const auto current = [] {
        const std::lock_guard lock(zt::hotspots::hotspot_state().lock);
        return zt::hotspots::hotspot_state().current;
    };
    const Texts unwritable{"CZtFunc32_71App::ZtCntx32 TagportInit failed"};
    // Each message that would change the current hotspot reports and changes nothing.
    struct Move {
        const char* what;
        std::int32_t x;
        Texts reported;
    };
    for (const Move& move : {Move{"leaving b", 300, unwritable}, Move{"into a", 10, unwritable},
                             Move{"within a", 20, unwritable}, Move{"back into b", 120, Texts{}}}) {
        point_in_main(move.x, 10);
        EXPECT_EQ(reports(), move.reported) << move.what;
        EXPECT_EQ(current(), b) << move.what;
    }
    EXPECT_EQ(events.take(), Texts{});
}

// The hook looks at the pointer, whatever the message: buttons and the wheel
// count as moves do.
TEST_F(MouseHook, EveryMouseMessageCountsNotOnlyMoves)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
    events.take();
    for (const HookMessage message : {0x0201u, 0x0202u, 0x0204u, 0x0207u, 0x020Au, 0x020Eu,
                                      0x00A0u}) { // buttons, wheels, outside the client area
        MouseHookRecord inside{Point{main_left + 20, main_top + 20}, main, 1, 0};
        zt::hotspots::mouse_hook_procedure(0, message, reinterpret_cast<HookArgument>(&inside));
        MouseHookRecord outside{Point{main_left + 300, main_top + 200}, main, 1, 0};
        zt::hotspots::mouse_hook_procedure(0, message, reinterpret_cast<HookArgument>(&outside));
        EXPECT_EQ(events.take(), (Texts{"Msg1 = A", "Msg1 = "})) << std::hex << message;
    }
}

// A hook of the test's own, installed before the library's, sees what the
// library's passes on.
std::vector<Point> passed_on;
zt::platform::HookHandle recorder_hook = nullptr;
HookResult ZT_SYSTEM_CALLBACK recorder(int code, HookMessage message, HookArgument record)
{
    if (code >= 0) {
        passed_on.push_back(reinterpret_cast<const MouseHookRecord*>(record)->pt);
    }
    return zt::platform::desktop_calls().call_next_hook(recorder_hook, code, message, record);
}

TEST_F(MouseHook, PassesEveryMessageOnInTheClientCoordinatesOfItsWindow)
{
    recorder_hook = zt::platform::desktop_calls().install_mouse_hook(
        recorder, zt::platform::driver::current_thread());
    ASSERT_NE(recorder_hook, nullptr);
    passed_on.clear();
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
    point_in_main(20, 30);
    point_in_main(300, 250);
    zt::platform::desktop_calls().remove_hook(recorder_hook);
    ASSERT_GE(passed_on.size(), 2u);
    EXPECT_EQ(passed_on.back().x, 300);
    EXPECT_EQ(passed_on.back().y, 250);
    const bool saw_first = std::any_of(passed_on.begin(), passed_on.end(),
                                       [](Point p) { return p.x == 20 && p.y == 30; });
    EXPECT_TRUE(saw_first);
}

// Counts the titles the hook reads, on top of the desktop's own call.
std::atomic<int> titles_read{0};
int counting_window_text(zt::platform::WindowHandle window, char* buffer, int capacity) noexcept
{
    ++titles_read;
    return zt::platform::system_desktop_calls().window_text(window, buffer, capacity);
}

// A host that runs a script the moment a tag changes: the stand-in's listener
// of tag writes runs `script` inside the first write of the hook, once.
struct ScriptOnWrite {
    std::function<void()> script;
    bool done = false;

    static void TPAPI listen(void* context, const char*, const char*, const char* text)
    {
        auto& self = *static_cast<ScriptOnWrite*>(context);
        if (text != nullptr && !std::exchange(self.done, true)) {
            self.script();
        }
    }
};

TEST_F(MouseHook, NegativeCodesAndMessagesMetInsideTheHandlingOfAnotherPassStraightOn)
{
    ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
    events.take();
    titles_read = 0;
    zt::platform::desktop_calls().window_text = counting_window_text;
    MouseHookRecord record{Point{main_left + 20, main_top + 20}, main, 1, 0};
    const auto argument = reinterpret_cast<HookArgument>(&record);
    zt::hotspots::mouse_hook_procedure(-1, zt::platform::mouse_move_message, argument);
    EXPECT_EQ(titles_read, 0);
    EXPECT_EQ(record.pt.x, main_left + 20); // untouched

    // A message reaching the hook from inside its own tag write.
    MouseHookRecord inner{Point{main_left + 300, main_top + 200}, main, 1, 0};
    ScriptOnWrite nested{[&] {
        zt::hotspots::mouse_hook_procedure(0, zt::platform::mouse_move_message,
                                           reinterpret_cast<HookArgument>(&inner));
    }};
    TagportStandinListen(ScriptOnWrite::listen, &nested);
    zt::hotspots::mouse_hook_procedure(zt::platform::hook_code_noremove,
                                       zt::platform::mouse_move_message, argument);
    TagportStandinListen(nullptr, nullptr);
    EXPECT_TRUE(nested.done);
    EXPECT_EQ(titles_read, 1);
    EXPECT_EQ(record.pt.x, 20);
    EXPECT_EQ(inner.pt.x, main_left + 300); // passed on untouched
    EXPECT_EQ(events.take(), Texts{"Msg1 = A"});
}

// Calls that a tag write of the hook leads back into the library, on the
// hook's own thread or on a script thread the host hands the write to and
// waits for, never wait for the hook, and leave one consistent state.
TEST_F(MouseHook, CallsATagWriteLeadsBackIntoNeverWaitForTheHook)
{
    struct Case {
        const char* script;
        std::function<void()> run; // checks its own results
        Texts after_entering;      // the events of entering A, the script's included
        Texts after_moving_on;     // of moving from A into B's place
    };
    const Case cases[] = {
        {"registration", [] { EXPECT_EQ(ZtCntx32("Main", 100, 10, 50, 50, "Msg2", "B"), 1); },
         Texts{"Msg1 = A", "activate Msg2"}, Texts{"Msg1 = ", "Msg2 = B"}},
        {"registration in place",
         [] { EXPECT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "a"), 1); }, Texts{"Msg1 = A"},
         Texts{"Msg1 = "}},
        {"tag query", [] { EXPECT_EQ(TagExists("Msg3"), 4); },
         Texts{"Msg1 = A", "activate Msg3", "give back Msg3"}, Texts{"Msg1 = "}},
        {"release", [] { ZtCntx32Cleanup(); }, Texts{"Msg1 = A", "give back Msg1", "shutdown"},
         Texts{}},
    };
    for (const bool on_script_thread : {false, true}) {
        for (const Case& each : cases) {
            SCOPED_TRACE(std::string(each.script) +
                         (on_script_thread ? " on a script thread" : ""));
            forget_hotspots();
            point_in_main(300, 250);
            ASSERT_EQ(ZtCntx32("Main", 10, 10, 50, 50, "Msg1", "A"), 1);
            events.take();
            ScriptOnWrite script{[&] {
                if (on_script_thread) {
                    std::thread(each.run).join();
                } else {
                    each.run();
                }
            }};
            TagportStandinListen(ScriptOnWrite::listen, &script);
            point_in_main(20, 20);
            TagportStandinListen(nullptr, nullptr);
            EXPECT_EQ(events.take(), each.after_entering);
            point_in_main(110, 20);
            EXPECT_EQ(events.take(), each.after_moving_on);
        }
    }
    // After the release in a write, no hotspot and no hook are left.
    EXPECT_TRUE(zt::hotspots::hotspot_state().hotspots.empty());
    EXPECT_EQ(zt::hotspots::hotspot_state().hook.load(), nullptr);
    EXPECT_EQ(reports(), Texts{});
}

} // namespace
