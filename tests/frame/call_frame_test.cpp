// The per-call frame and the load and unload steps keep the caller's module
// state, whatever way the work ends.
#include "frame/call_frame.h"
#include "library/application.h"
#include "mfc/module_state.h"
#include "platform/desktop.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using zt::mfc::current_module_state;
using zt::mfc::last_state_switched_from;
using zt::mfc::ModuleState;
using zt::mfc::ModuleStateScope;

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

// Each export of the export table (library/exports.txt) runs under the
// library's state when the table gives it the frame (on its way out it
// switches away from it) and gives the caller its own back, also when it
// fails; the exports without the frame never switch.
TEST(CallFrame, EveryExportWithTheFrameRunsUnderTheLibrarysState)
{
    struct TableRow {
        std::string function;
        bool framed;
    };
    const TableRow table[] = {
#define ZT_EXPORT(function, name, ordinal, earlier_ordinal, cleanup, bytes, framed)                \
    {#function, framed},
#include "exports.inc"
#undef ZT_EXPORT
    };
    char buffer[128];
    // A call of each export that changes nothing outside the library.
    const std::map<std::string, std::function<void()>> calls = {
        {"PasteFunc", [&] { PasteFunc("GeoArea", buffer); }},
        {"StdFromMetLinear", [] { StdFromMetLinear(1, 1, 1); }},
        {"MetFromStdLinear", [] { MetFromStdLinear(1, 1, 1); }},
        {"StdFromMetFluid", [] { StdFromMetFluid(1, 1, 1); }},
        {"MetFromStdFluid", [] { MetFromStdFluid(1, 1, 1); }},
        {"StdFromMetWeight", [] { StdFromMetWeight(1, 1, 1); }},
        {"MetFromStdWeight", [] { MetFromStdWeight(1, 1, 1); }},
        {"ConvertTemp", [] { ConvertTemp(1, 0, 2); }},
        {"GeoArea", [] { GeoArea(2, 3, 1); }},
        {"GeoEqualSideArea", [] { GeoEqualSideArea(2, 5); }},
        {"GeoVolume", [] { GeoVolume(2, 3, 4, 7); }},
        {"INIWriteString", [] { INIWriteString(nullptr, "S", "K", "V"); }},
        {"INIReadString", [] { INIReadString(nullptr, nullptr, nullptr); }},
        {"INIWriteInteger", [] { INIWriteInteger(nullptr, "S", "K", 1); }},
        {"INIReadInteger", [] { INIReadInteger(nullptr, nullptr, nullptr); }},
        {"STATXSetStartDate", [] { STATXSetStartDate(0, 0, 0); }},
        {"STATXSetEndDate", [] { STATXSetEndDate(0, 0, 0); }},
        {"STATXSetStartTime", [] { STATXSetStartTime(-1, -1, -1); }},
        {"STATXSetEndTime", [] { STATXSetEndTime(-1, -1, -1); }},
        {"STATXSetProduct", [] { STATXSetProduct(nullptr); }},
        {"STATXSetDataset", [] { STATXSetDataset(nullptr); }},
        {"STATXSetOutputFile", [] { STATXSetOutputFile(nullptr); }},
        {"ZtShutDownWinNT40", [] { ZtShutDownWinNT40(0); }}, // no such code: asks nothing
        {"ZtShutDownWin95", [] { ZtShutDownWin95(0); }},
        {"ZtBeep32", [] { ZtBeep32(440, 1); }}, // on the simulated system
        {"TagExists", [] { TagExists(nullptr); }},
        {"GetDiscOnMsg", [] { GetDiscOnMsg(nullptr); }},
        {"GetDiscOffMsg", [] { GetDiscOffMsg(nullptr); }},
        {"ZtCntx32", [] { ZtCntx32(nullptr, 0, 0, 1, 1, nullptr, nullptr); }},
        {"ZtCntx32Cleanup", [] { ZtCntx32Cleanup(); }},
        {"SystemIsNT", [] { SystemIsNT(); }},
        {"SetTagEU", [] { SetTagEU(nullptr, nullptr); }},
        {"CreateFilenameFromDate", [] { CreateFilenameFromDate("dx", nullptr, nullptr, 0); }},
        {"ZtShowWindowsTaskbar", [] { ZtShowWindowsTaskbar(); }},
        {"ZtDllFree", [] { ZtDllFree(); }},
        {"ZtDllInit", [] { ZtDllInit(); }},
    };
    // The taskbar export finds no taskbar here; its message box is answered at once.
    zt::platform::desktop_calls().message_box = [](zt::platform::WindowHandle, const char*,
                                                   const char*, std::uint32_t) noexcept {
        return 1; // IDOK
    };
    ModuleState caller{"caller"};
    ModuleState marker{"marker"};
    ModuleStateScope as_caller(caller);
    for (const TableRow& row : table) {
        const auto call = calls.find(row.function);
        ASSERT_NE(call, calls.end()) << row.function << " has no call here";
        {
            const ModuleStateScope mark(marker); // the thread then last switched away from it
        }
        call->second();
        EXPECT_EQ(last_state_switched_from(),
                  row.framed ? &zt::frame::library_module_state() : &marker)
            << row.function;
        EXPECT_EQ(&current_module_state(), &caller) << row.function;
    }
    zt::platform::desktop_calls() = zt::platform::system_desktop_calls();
}

class RecordingApp : public zt::mfc::CWinApp {
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

    EXPECT_TRUE(zt::library::attach(app));
    EXPECT_EQ(&current_module_state(), &loader);
    zt::library::detach(app);
    EXPECT_EQ(&current_module_state(), &loader);

    const std::string library = zt::frame::library_module_state().name;
    EXPECT_EQ(app.steps,
              (std::vector<std::string>{"init under " + library, "exit under " + library}));
}

TEST(LibraryLifetime, RefusedStartRunsTheExitStepAndFailsTheLoad)
{
    RecordingApp app(false);
    EXPECT_FALSE(zt::library::attach(app));
    ASSERT_EQ(app.steps.size(), 2u);
    EXPECT_EQ(app.steps[1].rfind("exit", 0), 0u);
}

} // namespace
