// The application framework's classes the library uses (MFC's afxwin.h),
// reduced to what it relies on.
#pragma once

#include <cstdint>

namespace zt::mfc {

// The framework's application base class, reduced to what the library uses:
// the start and exit steps run when the library is loaded and unloaded. They
// run inside the loader's call, so neither may throw.
class CWinApp {
  public:
    CWinApp() = default;
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() noexcept;
    virtual int ExitInstance() noexcept;
};

// The framework's message box (AfxMessageBox), reduced to what the library
// uses: a message shown to the user in a box captioned with the name of the
// module state current on the calling thread, which inside an export's
// per-call frame is the library's own.
inline constexpr std::uint32_t mb_ok = 0x0;                // MB_OK
inline constexpr std::uint32_t mb_icon_exclamation = 0x30; // MB_ICONEXCLAMATION
inline constexpr int id_ok = 1;                            // IDOK

// Shows `text` and waits for the user; returns the button pressed (0 when the
// box could not be shown). An OK or OK-Cancel box without an icon gets the
// framework's exclamation mark. `help_id` 0: no help topic.
int AfxMessageBox(const char* text, std::uint32_t type = mb_ok, std::uint32_t help_id = 0) noexcept;

} // namespace zt::mfc
