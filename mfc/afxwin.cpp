#include "mfc/afxwin.h"

#include "mfc/module_state.h"
#include "platform/desktop.h"

namespace zt::mfc {

CWinApp::~CWinApp() = default;

bool CWinApp::InitInstance() noexcept
{
    return true;
}

int CWinApp::ExitInstance() noexcept
{
    return 0;
}

namespace {

constexpr std::uint32_t icon_mask = 0xF0;   // MB_ICONMASK
constexpr std::uint32_t type_mask = 0x0F;   // MB_TYPEMASK
constexpr std::uint32_t mb_ok_cancel = 0x1; // MB_OKCANCEL

} // namespace

int AfxMessageBox(const char* text, std::uint32_t type, std::uint32_t /*help_id*/) noexcept
{
    const std::uint32_t buttons = type & type_mask;
    if ((type & icon_mask) == 0 && (buttons == mb_ok || buttons == mb_ok_cancel)) {
        type |= mb_icon_exclamation;
    }
    return platform::desktop_calls().message_box(nullptr, text, current_module_state().name, type);
}

} // namespace zt::mfc
