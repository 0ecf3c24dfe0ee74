// The library's one application object. Its exit step has each subsystem give
// back what it holds of the host's: the mouse hook, then the tags of the tag
// table and the tag-access connection.
#pragma once

#include "framework/win_app.h"

namespace zt::frame {

class CZtFunc32_71App : public framework::CWinApp {
  public:
    CZtFunc32_71App() = default;

    // The library exit step: each subsystem gives back what it holds of the
    // host's, then the framework's own exit step runs.
    int ExitInstance() noexcept override;
};

} // namespace zt::frame
