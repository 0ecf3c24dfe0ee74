#include "frame/library.h"

namespace zt::frame {
namespace {

// The library's module state exists before anything else of the library runs:
// it is constant data. The unit-factor tables are constant data as well.
constinit framework::ModuleState module_state{"ZtFunc32"};

} // namespace

framework::ModuleState& library_module_state() noexcept
{
    return module_state;
}

// Created by the load step (DllMain, or the native loader attachment), the
// first to ask for it, and destroyed after the unload step.
CZtFunc32_71App& application() noexcept
{
    static CZtFunc32_71App the_app;
    return the_app;
}

bool attach(framework::CWinApp& app) noexcept
{
    framework::ModuleStateScope scope(module_state);
    if (!app.InitInstance()) {
        app.ExitInstance();
        return false;
    }
    return true;
}

void detach(framework::CWinApp& app) noexcept
{
    framework::ModuleStateScope scope(module_state);
    app.ExitInstance();
}

} // namespace zt::frame
