#include "library/application.h"

#include "frame/call_frame.h"
#include "hotspots/hotspot_state.h"
#include "mfc/module_state.h"
#include "tags/shared_tags.h"

namespace zt::library {

int CZtFunc32_71App::ExitInstance() noexcept
{
    // The hook goes first, so that none runs on with the tags given back.
    hotspots::remove_hook_at_exit();
    tags::give_back_at_exit();
    return CWinApp::ExitInstance();
}

CZtFunc32_71App& application() noexcept
{
    static CZtFunc32_71App the_app;
    return the_app;
}

bool attach(mfc::CWinApp& app) noexcept
{
    mfc::ModuleStateScope scope(frame::library_module_state());
    if (!app.InitInstance()) {
        app.ExitInstance();
        return false;
    }
    return true;
}

void detach(mfc::CWinApp& app) noexcept
{
    mfc::ModuleStateScope scope(frame::library_module_state());
    app.ExitInstance();
}

} // namespace zt::library
