// The current release's application object and what runs when a process
// loads and unloads the library.
#pragma once

#include "mfc/afxwin.h"

namespace zt::library {

// The library's one application object. Its exit step has each subsystem give
// back what it holds of the host's: the mouse hook, then the tags of the tag
// table and the tag-access connection.
class CZtFunc32_71App : public mfc::CWinApp {
  public:
    CZtFunc32_71App() = default;

    // The library exit step: each subsystem gives back what it holds of the
    // host's, then the framework's own exit step runs.
    int ExitInstance() noexcept override;
};

// Made by the load step, the first to ask for it, and destroyed after the
// unload step.
CZtFunc32_71App& application() noexcept;

// Load and unload steps for `app`, under the library's module state; the
// caller's state is current again afterwards. attach() returns false when the
// application refuses to start (its exit step has then run).
bool attach(mfc::CWinApp& app) noexcept;
void detach(mfc::CWinApp& app) noexcept;

} // namespace zt::library
