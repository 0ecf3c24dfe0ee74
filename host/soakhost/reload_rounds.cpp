#include "reload_rounds.h"

#include "hotspot_layout.h"
#include "platform/drivers/desktop_driver.h"
#include "process_figures.h"
#include "soak_library.h"
#include "soak_site.h"
#include "soak_verdict.h"
#include "tagport_standin.h"

#include <fstream>
#include <iostream>

namespace soakhost {
namespace {

namespace driver = zt::platform::driver;
using zt::platform::Point;

// The round whose figures the later ones are measured from.
constexpr int settled_round = 5;

void TPAPI count_writes(void* context, const char*, const char*, const char* text)
{
    if (text != nullptr) {
        ++*static_cast<int*>(context);
    }
}

// One round; false, with the reason in `verdict`, when something went wrong.
void reload_once(const std::string& path, const HotspotLayout& layout, int& writes,
                 Verdict& verdict)
{
    const Hotspot first{0};
    const Hotspot second{1};
    {
        const SoakLibrary library(path);
        if (!library.error().empty()) {
            verdict.fail(library.error());
            return;
        }
        if (library->ZtDllInit != nullptr) {
            library->ZtDllInit();
        }
        for (const Hotspot& hotspot : {first, second}) {
            if (library->ZtCntx32(hotspot.window_name().c_str(), hotspot.left(), hotspot.top(),
                                  hotspot_size, hotspot_size, hotspot.tag_name().c_str(),
                                  hotspot.value().c_str()) != 1) {
                verdict.fail("a registration was refused");
            }
        }
        // A refused one, whose failure the library raises and catches inside.
        if (library->ZtCntx32("", 0, 0, hotspot_size, hotspot_size, "Msg1", "x") != -1) {
            verdict.fail("a registration without a window name was not refused");
        }
        writes = 0;
        driver::move_pointer(layout.point_in(first, 3));
        driver::pump_messages();
        driver::move_pointer(layout.point_beside(second));
        driver::pump_messages();
        if (writes != 2) {
            verdict.fail("entering and leaving a hotspot wrote " + std::to_string(writes) +
                         " times, not twice");
        }
        if (library->TagExists("Msg1") != 4) {
            verdict.fail("TagExists(\"Msg1\") is not 4");
        }
    }
    writes = 0;
    driver::move_pointer(layout.point_in(second, 5));
    driver::pump_messages();
    if (writes != 0) {
        verdict.fail("a hook of the unloaded library wrote on a pointer move");
    }
}

} // namespace

int run_reload_rounds(const ReloadOptions& options)
{
    // The host's libraries stay loaded across the rounds, as in a runtime
    // (the tag-access library is bound at this program's start). The earlier
    // release finds them beside it, where they are loaded from.
    const std::filesystem::path folder = std::filesystem::absolute(options.library).parent_path();
#if defined(_WIN32)
    const zthost::DynamicLibrary heap_tracking((folder / "ZTHEAP.dll").string());
    const zthost::DynamicLibrary host_support((folder / "VSTSPT.dll").string());
#else
    const zthost::DynamicLibrary heap_tracking("libztheap.so");
    const zthost::DynamicLibrary host_support("libvstspt.so");
#endif
    SoakSite site(options.folder);
    const HotspotLayout layout(Point{20, 20});
    const auto main =
        driver::create_window({"Scenehall", "Main", nullptr, 20, 20, panel_size, panel_size});
    const auto panel = driver::create_window(
        {"SoakPanel", panel_title(0).c_str(), main, 0, 0, panel_size, panel_size});
    driver::move_pointer(Point{5, 5});
    driver::pump_messages();
    std::ofstream csv(options.csv);
    csv << "round,heap_bytes,handles,user_objects,gdi_objects\n";
    Verdict verdict;
    int writes = 0;
    TagportStandinListen(count_writes, &writes);
    // Room for every sample beforehand, so that keeping them costs nothing
    // the figures would count.
    std::vector<Sample> samples;
    samples.reserve(static_cast<std::size_t>(options.rounds));
    for (int round = 1; round <= options.rounds; ++round) {
        reload_once(options.library, layout, writes, verdict);
        const ProcessFigures figures = process_figures();
        csv << round << ',' << figures.heap_bytes << ',' << figures.handles << ','
            << figures.user_objects << ',' << figures.gdi_objects << '\n';
        samples.push_back(Sample{static_cast<double>(round), 0, 0, 0, figures});
    }
    TagportStandinListen(nullptr, nullptr);
    driver::destroy_window(panel);
    driver::destroy_window(main);
    if (static_cast<int>(samples.size()) > settled_round) {
        const ProcessFigures& from = samples[settled_round - 1].figures;
        const ProcessFigures& to = samples.back().figures;
        const auto heap_growth =
            static_cast<std::int64_t>(to.heap_bytes) - static_cast<std::int64_t>(from.heap_bytes);
        const auto handle_growth =
            static_cast<std::int64_t>(to.handles) - static_cast<std::int64_t>(from.handles);
        std::cout << "reload: " << options.rounds << " rounds; from round " << settled_round
                  << " on, heap in use grew by " << heap_growth << " bytes, handles by "
                  << handle_growth << "\n";
        if (heap_growth > flat_heap_bytes) {
            verdict.fail("heap in use grew by " + std::to_string(heap_growth) +
                         " bytes over the rounds");
        }
        if (handle_growth > flat_handles) {
            verdict.fail("handles grew by " + std::to_string(handle_growth) + " over the rounds");
        }
    }
    return verdict.report();
}

} // namespace soakhost
