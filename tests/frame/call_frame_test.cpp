// The per-call frame and the load and unload steps keep the caller's module
// state, whatever way the work ends.
#include "frame/library.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using zt::framework::current_module_state;
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

TEST(CallFrame, ExportsGiveTheCallerItsStateBackAlsoWhenTheyFail)
{
    ModuleState caller{"caller"};
    ModuleStateScope as_caller(caller);
    const std::string long_name(300, 'T');

    GeoArea(2.0f, 3.0f, 1);
    GeoVolume(2.0f, 3.0f, 4.0f, 7);
    ConvertTemp(1.0f, 0, 2);
    CreateFilenameFromDate("dx", nullptr, nullptr, 0);
    INIReadString(nullptr, nullptr, nullptr);
    TagExists(long_name.c_str()); // fails inside and is caught there
    SetTagEU(nullptr, nullptr);
    GetDiscOnMsg(long_name.c_str());

    EXPECT_EQ(&current_module_state(), &caller);
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
