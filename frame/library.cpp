#include "frame/library.h"

namespace zt::frame {
namespace {

// Created in this order when the library loads and destroyed in reverse when it
// unloads. The unit-factor tables are constant data, ready before either.
framework::ModuleState module_state{"ZtFunc32"};
CZtFunc32_71App the_app;

#if !defined(_WIN32)
// Without DllMain, the loader's construction and destruction of this object,
// placed after the application object, are the load and unload steps.
struct LoaderAttachment {
    LoaderAttachment() { attach(the_app); }
    ~LoaderAttachment() { detach(the_app); }
} loader_attachment;
#endif

} // namespace

framework::ModuleState& library_module_state() noexcept
{
    return module_state;
}

CZtFunc32_71App& application() noexcept
{
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
