// The per-call frame and the load and unload steps keep the caller's module
// state, whatever way the work ends.
#include "frame/library.h"
#include "platform/desktop.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using zt::framework::current_module_state;
using zt::framework::last_state_switched_from;
using zt::framework::ModuleState;
using zt::framework::ModuleStateScope;

TEST(CallFrame, WorkSeesTheLibraryStateAndCallerGetsItsOwnBack)
{
    ModuleState caller{"caller"};
    ModuleStateScope as_caller(caller);

    const ModuleState* seen = nullptr;
    const int result = zt::frame::in_call_frame([&]() noexcept {
        seen = &current_module_state();
        return 42;
    });

    EXPECT_EQ(result, 42);
    EXPECT_EQ(seen, &zt::frame::library_module_state());
    EXPECT_EQ(&current_module_state(), &caller);
}

TEST(CallFrame, ModuleStateScopeRestoresTheCallersStateWhenAnExceptionPassesThrough)
{
    ModuleState caller{"caller"};
    ModuleStateScope as_caller(caller);

    EXPECT_THROW(
        {
            ModuleStateScope as_library(zt::frame::library_module_state());
            throw std::runtime_error("inside");
        },
        std::runtime_error);
    EXPECT_EQ(&current_module_state(), &caller);
}

TEST(CallFrame, NestedFramesUnwindToTheOutermostCaller)
{
    ModuleState caller{"caller"};
    ModuleStateScope as_caller(caller);
    zt::frame::in_call_frame([]() noexcept {
        zt::frame::in_call_frame([]() noexcept { return 0; });
        EXPECT_EQ(&current_module_state(), &zt::frame::library_module_state());
        return 0;
    });
    EXPECT_EQ(&current_module_state(), &caller);
}

// Each export with the frame runs under the library's state (on its way out it
// switches away from it) and gives the caller its own back, also when it
// fails; the exports without the frame never switch.
TEST(CallFrame, EveryExportWithTheFrameRunsUnderTheLibrarysState)
{
    struct Export {
        const char* name;
        bool framed;
        std::function<void()> call;
    };
    char buffer[128];
    const Export exports[] = {
        {"PasteFunc", false, [&] { PasteFunc("GeoArea", buffer); }},
        {"StdFromMetLinear", true, [] { StdFromMetLinear(1, 1, 1); }},
        {"MetFromStdLinear", true, [] { MetFromStdLinear(1, 1, 1); }},
        {"StdFromMetFluid", true, [] { StdFromMetFluid(1, 1, 1); }},
        {"MetFromStdFluid", true, [] { MetFromStdFluid(1, 1, 1); }},
        {"StdFromMetWeight", true, [] { StdFromMetWeight(1, 1, 1); }},
        {"MetFromStdWeight", true, [] { MetFromStdWeight(1, 1, 1); }},
        {"ConvertTemp", true, [] { ConvertTemp(1, 0, 2); }},
        {"GeoArea", true, [] { GeoArea(2, 3, 1); }},
        {"GeoEqualSideArea", true, [] { GeoEqualSideArea(2, 5); }},
        {"GeoVolume", true, [] { GeoVolume(2, 3, 4, 7); }},
        {"INIWriteString", true, [] { INIWriteString(nullptr, "S", "K", "V"); }},
        {"INIReadString", true, [] { INIReadString(nullptr, nullptr, nullptr); }},
        {"INIWriteInteger", true, [] { INIWriteInteger(nullptr, "S", "K", 1); }},
        {"INIReadInteger", true, [] { INIReadInteger(nullptr, nullptr, nullptr); }},
        {"STATXSetStartDate", true, [] { STATXSetStartDate(0, 0, 0); }},
        {"STATXSetEndDate", true, [] { STATXSetEndDate(0, 0, 0); }},
        {"STATXSetStartTime", true, [] { STATXSetStartTime(-1, -1, -1); }},
        {"STATXSetEndTime", true, [] { STATXSetEndTime(-1, -1, -1); }},
        {"STATXSetProduct", true, [] { STATXSetProduct(nullptr); }},
        {"STATXSetDataset", true, [] { STATXSetDataset(nullptr); }},
        {"STATXSetOutputFile", true, [] { STATXSetOutputFile(nullptr); }},
        {"TagExists", true, [] { TagExists(nullptr); }},
        {"GetDiscOnMsg", true, [] { GetDiscOnMsg(nullptr); }},
        {"GetDiscOffMsg", true, [] { GetDiscOffMsg(nullptr); }},
        {"SetTagEU", true, [] { SetTagEU(nullptr, nullptr); }},
        {"CreateFilenameFromDate", true, [] { CreateFilenameFromDate("dx", nullptr, nullptr, 0); }},
        {"ZtShutDownWinNT40", true, [] { ZtShutDownWinNT40(0); }}, // no such code: asks nothing
        {"ZtShutDownWin95", false, [] { ZtShutDownWin95(0); }},
        {"ZtBeep32", true, [] { ZtBeep32(440, 1); }}, // on the simulated system
        {"SystemIsNT", true, [] { SystemIsNT(); }},
        {"ZtShowWindowsTaskbar", true, [] { ZtShowWindowsTaskbar(); }},
        {"ZtCntx32", true, [] { ZtCntx32(nullptr, 0, 0, 1, 1, nullptr, nullptr); }},
        {"ZtCntx32Cleanup", true, [] { ZtCntx32Cleanup(); }},
        {"ZtDllFree", false, [] { ZtDllFree(); }},
        {"ZtDllInit", false, [] { ZtDllInit(); }},
    };
    // The taskbar export finds no taskbar here; its message box is answered at once.
    zt::platform::desktop_calls().message_box = [](zt::platform::WindowHandle, const char*,
                                                   const char*, std::uint32_t) noexcept {
        return 1; // IDOK
    };
    ModuleState caller{"caller"};
    ModuleState marker{"marker"};
    ModuleStateScope as_caller(caller);
    for (const Export& export_call : exports) {
        {
            const ModuleStateScope mark(marker); // the thread then last switched away from it
        }
        export_call.call();
        EXPECT_EQ(last_state_switched_from(),
                  export_call.framed ? &zt::frame::library_module_state() : &marker)
            << export_call.name;
        EXPECT_EQ(&current_module_state(), &caller) << export_call.name;
    }
    zt::platform::desktop_calls() = zt::platform::system_desktop_calls();
}

class RecordingApp : public zt::framework::CWinApp {
  public:
    explicit RecordingApp(bool starts) : starts_(starts) {}
    bool InitInstance() noexcept override
    {
        steps.push_back("init under " + std::string(current_module_state().name));
        return starts_;
    }
    int ExitInstance() noexcept override
    {
        steps.push_back("exit under " + std::string(current_module_state().name));
        return 0;
    }
    std::vector<std::string> steps;

  private:
    bool starts_;
};

TEST(LibraryLifetime, LoadAndUnloadRunUnderTheLibraryStateAndRestoreTheCallers)
{
    ModuleState loader{"loader"};
    ModuleStateScope as_loader(loader);
    RecordingApp app(true);

    EXPECT_TRUE(zt::frame::attach(app));
    EXPECT_EQ(&current_module_state(), &loader);
    zt::frame::detach(app);
    EXPECT_EQ(&current_module_state(), &loader);

    const std::string library = zt::frame::library_module_state().name;
    EXPECT_EQ(app.steps,
              (std::vector<std::string>{"init under " + library, "exit under " + library}));
}

TEST(LibraryLifetime, RefusedStartRunsTheExitStepAndFailsTheLoad)
{
    RecordingApp app(false);
    EXPECT_FALSE(zt::frame::attach(app));
    ASSERT_EQ(app.steps.size(), 2u);
    EXPECT_EQ(app.steps[1].rfind("exit", 0), 0u);
}

} // namespace
