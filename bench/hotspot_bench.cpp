// The hook's own work per mouse message: everything but the platform calls,
// which answer at once from a table of windows here, and the tag writes,
// which go to a tag-access library that does nothing (null_tagport.cpp).
// Hotspots are spread over 100 windows; the pointer either moves inside one
// hotspot or crosses between two. The literal walk of the whole list, the
// hotspot list read from the head for every window tried, is measured beside
// it in the same run.
#include "hotspots/hotspot_state.h"
#include "hotspots/hotspots.h"
#include "library/application.h"
#include "tagport.h"
#include "tags/shared_tags.h"
#include "ztfunc32.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using zt::platform::HookArgument;
using zt::platform::MouseHookRecord;
using zt::platform::Point;
using zt::platform::WindowHandle;

constexpr int window_count = 100;
constexpr int cell = 10;    // each hotspot a 10 x 10 cell of a grid
constexpr int columns = 32; // of up to 32 x 32 cells per window
constexpr zt::platform::ThreadId host_thread = 7;

// The benchmark's desktop: window i is the handle i + 1, titled "Screen i",
// a top-level window whose client area starts at (1000 i, 0).
std::vector<std::string> titles;

int index_of(WindowHandle window)
{
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(window)) - 1;
}
WindowHandle handle_of(int index)
{
    return reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(index + 1));
}
WindowHandle find_window(const char*, const char*) noexcept
{
    return handle_of(0);
}
zt::platform::ThreadId window_thread(WindowHandle) noexcept
{
    return host_thread;
}
bool screen_to_client(WindowHandle window, Point& point) noexcept
{
    point.x -= 1000 * index_of(window);
    return true;
}
int window_text(WindowHandle window, char* buffer, int capacity) noexcept
{
    const std::string& title = titles[index_of(window)];
    const int length = std::min(static_cast<int>(title.size()), capacity - 1);
    std::memcpy(buffer, title.data(), length);
    buffer[length] = '\0';
    return length;
}
WindowHandle parent_window(WindowHandle) noexcept
{
    return nullptr;
}
zt::platform::HookHandle install_mouse_hook(zt::platform::MouseHookProcedure,
                                            zt::platform::ThreadId) noexcept
{
    return handle_of(1000);
}
zt::platform::HookResult call_next_hook(zt::platform::HookHandle, int, zt::platform::HookMessage,
                                        HookArgument) noexcept
{
    return 0;
}
bool remove_hook(zt::platform::HookHandle) noexcept
{
    return true;
}

// Registers `count` hotspots over the windows (window w gets those with
// number % 100 == w) and returns the heap bytes they took.
std::size_t register_hotspots(int count)
{
    ZtCntx32Cleanup();
    auto& calls = zt::platform::desktop_calls();
    calls.find_window = find_window;
    calls.window_thread = window_thread;
    calls.screen_to_client = screen_to_client;
    calls.window_text = window_text;
    calls.parent_window = parent_window;
    calls.install_mouse_hook = install_mouse_hook;
    calls.call_next_hook = call_next_hook;
    calls.remove_hook = remove_hook;
    titles.clear();
    for (int w = 0; w < window_count; ++w) {
        titles.push_back("Screen " + std::to_string(w));
    }
    const std::size_t before = mallinfo2().uordblks;
    for (int n = 0; n < count; ++n) {
        const int slot = n / window_count;
        const std::string tag = "Tag" + std::to_string(n);
        ZtCntx32(titles[n % window_count].c_str(), (slot % columns) * cell, (slot / columns) * cell,
                 cell, cell, tag.c_str(), "Pump running");
    }
    return mallinfo2().uordblks - before;
}

// A point in the middle of the hotspot in the middle of window w's list.
Point middle_hotspot(int count, int w)
{
    const int per_window = std::max(1, count / window_count);
    const int slot = per_window / 2;
    return Point{1000 * w + (slot % columns) * cell + cell / 2, (slot / columns) * cell + cell / 2};
}

// Two windows that both have hotspots.
std::pair<int, int> two_windows(int count)
{
    const int with_hotspots = std::min(count, window_count);
    return {with_hotspots / 2 - 1 < 0 ? 0 : with_hotspots / 2 - 1, with_hotspots / 2};
}

// The messages of one scenario: inside one hotspot, or back and forth between two.
std::vector<MouseHookRecord> messages(int count, bool crossing)
{
    const auto [first, second] = two_windows(count);
    std::vector<MouseHookRecord> path;
    for (int i = 0; i < 64; ++i) {
        const int w = crossing && i % 2 == 1 ? second : first;
        Point p = middle_hotspot(count, w);
        if (!crossing) {
            p.x += (i % 4) - 2; // moving inside the hotspot
        }
        path.push_back(MouseHookRecord{p, handle_of(w), 1, 0});
    }
    return path;
}

void set_counters(benchmark::State& state, int count, std::size_t bytes)
{
    state.counters["hotspots"] = count;
    state.counters["bytes_per_hotspot"] = static_cast<double>(bytes) / count;
}

void Hook(benchmark::State& state, bool crossing)
{
    const int count = static_cast<int>(state.range(0));
    const std::size_t bytes = register_hotspots(count);
    const std::vector<MouseHookRecord> path = messages(count, crossing);
    std::vector<MouseHookRecord> record = path;
    std::size_t i = 0;
    for (auto _ : state) {
        record[i] = path[i]; // the hook converts the point in the record
        zt::hotspots::mouse_hook_procedure(0, zt::platform::mouse_move_message,
                                           reinterpret_cast<HookArgument>(&record[i]));
        i = (i + 1) % path.size();
    }
    set_counters(state, count, bytes);
}

// The literal walk: for the window of the message (the benchmark's windows
// have no parents), the whole list from the head, comparing each record's
// window name with the title without regard to case, then the tag writes
// through the tag table, as the hook's first description has it.
const zt::hotspots::HotspotRecord* literal_current = nullptr;

bool same_ignoring_case(const char* a, const char* b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

void literal_write(const zt::hotspots::HotspotRecord& hotspot, const char* text)
{
    const zt::tags::SessionRef session = zt::tags::shared_tags().current();
    if (const TP_TAG tag = session->find(hotspot.tag_name.data())) {
        TagportSetMessage(session->connection(), tag, text);
    }
}

void literal_message(MouseHookRecord& record)
{
    const auto& calls = zt::platform::desktop_calls();
    if (calls.window_thread(record.hwnd) != zt::hotspots::hotspot_state().host_thread) {
        return;
    }
    calls.screen_to_client(record.hwnd, record.pt);
    char title[131];
    calls.window_text(record.hwnd, title, sizeof title);
    const zt::hotspots::HotspotRecord* hit = nullptr;
    for (const auto* each = zt::hotspots::hotspot_state().hotspots.list().head(); each != nullptr;
         each = each->next) {
        if (same_ignoring_case(title, each->window_name.data()) && each->rect.contains(record.pt)) {
            hit = each;
            break;
        }
    }
    if (hit == literal_current) {
        return;
    }
    if (literal_current != nullptr) {
        literal_write(*literal_current, "");
    }
    if (hit != nullptr) {
        literal_write(*hit, hit->value.data());
    }
    literal_current = hit;
}

void LiteralWalk(benchmark::State& state, bool crossing)
{
    const int count = static_cast<int>(state.range(0));
    const std::size_t bytes = register_hotspots(count);
    const std::vector<MouseHookRecord> path = messages(count, crossing);
    std::vector<MouseHookRecord> record = path;
    literal_current = nullptr;
    std::size_t i = 0;
    for (auto _ : state) {
        record[i] = path[i];
        literal_message(record[i]);
        i = (i + 1) % path.size();
    }
    set_counters(state, count, bytes);
}

void HookInsideOneHotspot(benchmark::State& state)
{
    Hook(state, false);
}
void HookCrossingHotspots(benchmark::State& state)
{
    Hook(state, true);
}
void LiteralWalkInsideOneHotspot(benchmark::State& state)
{
    LiteralWalk(state, false);
}
void LiteralWalkCrossingHotspots(benchmark::State& state)
{
    LiteralWalk(state, true);
}

constexpr int sizes[] = {10, 1000, 10000, 100000};

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    for (const int size : sizes) {
        benchmark->Arg(size);
    }
}

BENCHMARK(HookInsideOneHotspot)->Apply(Sizes);
BENCHMARK(LiteralWalkInsideOneHotspot)->Apply(Sizes);
BENCHMARK(HookCrossingHotspots)->Apply(Sizes);
BENCHMARK(LiteralWalkCrossingHotspots)->Apply(Sizes);

} // namespace
