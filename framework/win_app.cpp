#include "framework/win_app.h"

namespace zt::framework {
namespace {

constexpr MessageMap win_app_message_map{nullptr, 0};
constexpr const char* default_app_name = "ZtFunc32";

} // namespace

CWinApp::CWinApp(const char* app_name)
    : app_name_(app_name != nullptr ? app_name : default_app_name)
{
}

CWinApp::~CWinApp() = default;

const MessageMap* CWinApp::GetMessageMap() const
{
    return &win_app_message_map;
}

bool CWinApp::InitInstance() noexcept
{
    return true;
}

int CWinApp::ExitInstance() noexcept
{
    return 0;
}

} // namespace zt::framework
