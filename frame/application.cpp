#include "frame/application.h"

#include "tags/tag_release.h"

namespace zt::frame {

CZtFunc32_71App::~CZtFunc32_71App()
{
    tag_table.clear();
}

int CZtFunc32_71App::ExitInstance() noexcept
{
    tags::release_tag_table_and_connection(*this);
    return CWinApp::ExitInstance();
}

} // namespace zt::frame
