#include "frame/application.h"

namespace zt::frame {
namespace {

// The application's message map has no entries of its own.
framework::MessageMap app_message_map{nullptr, 0};

} // namespace

CZtFunc32_71App::CZtFunc32_71App() : CWinApp(nullptr)
{
    app_message_map.base = CWinApp::GetMessageMap();
}

CZtFunc32_71App::~CZtFunc32_71App()
{
    tag_table.clear();
}

const framework::MessageMap* CZtFunc32_71App::GetMessageMap() const
{
    return &app_message_map;
}

bool CZtFunc32_71App::InitInstance()
{
    return CWinApp::InitInstance();
}

int CZtFunc32_71App::ExitInstance()
{
    return CWinApp::ExitInstance();
}

} // namespace zt::frame
