#include "frame/application.h"

#include "hotspots/hotspot_state.h"
#include "tags/tag_release.h"

namespace zt::frame {

CZtFunc32_71App::~CZtFunc32_71App()
{
    tag_table.clear();
}

int CZtFunc32_71App::ExitInstance() noexcept
{
    // The hook goes first, so that none runs on with the tags given back.
    hotspots::remove_hook_at_exit();
    tags::release_tag_table_and_connection(*this);
    return CWinApp::ExitInstance();
}

} // namespace zt::frame
