#include "frame/application.h"

#include "tagport.h"

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

bool CZtFunc32_71App::InitInstance() noexcept
{
    return CWinApp::InitInstance();
}

void CZtFunc32_71App::release_tags_and_connection() noexcept
{
    // Neither answer is looked at: every tag of the table is given back.
    for (const auto& [name, tag] : tag_table) {
        TagportIsActive(connection, tag);
        TagportDeactivate(connection, tag);
    }
    tag_table.clear();
    if (connection != 0) {
        TagportShutdown(connection);
        connection = 0;
    }
}

int CZtFunc32_71App::ExitInstance() noexcept
{
    release_tags_and_connection();
    return CWinApp::ExitInstance();
}

} // namespace zt::frame
