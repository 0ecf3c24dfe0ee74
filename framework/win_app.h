// The framework's application base class, reduced to what the library uses:
// the start and exit steps run when the library is loaded and unloaded. They
// run inside the loader's call, so neither may throw.
#pragma once

namespace zt::framework {

class CWinApp {
  public:
    CWinApp() = default;
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() noexcept;
    virtual int ExitInstance() noexcept;
};

} // namespace zt::framework
