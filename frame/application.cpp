#include "frame/application.h"

#include "hotspots/hotspot_state.h"
#include "tags/shared_tags.h"

namespace zt::frame {

int CZtFunc32_71App::ExitInstance() noexcept
{
    // The hook goes first, so that none runs on with the tags given back.
    hotspots::remove_hook_at_exit();
    tags::give_back_at_exit();
    return CWinApp::ExitInstance();
}

} // namespace zt::frame
