#include "framework/win_app.h"

namespace zt::framework {

CWinApp::~CWinApp() = default;

bool CWinApp::InitInstance() noexcept
{
    return true;
}

int CWinApp::ExitInstance() noexcept
{
    return 0;
}

} // namespace zt::framework
