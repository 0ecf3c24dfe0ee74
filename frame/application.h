// The library's one application object: it owns the tag-access connection and
// the tag table that the tag and hotspot functions share.
#pragma once

#include "frame/tag_name.h"
#include "framework/win_app.h"

#include <cstdint>
#include <map>

namespace zt::frame {

using ConnectionHandle = std::uint32_t; // 0: no connection open
using TagHandle = std::uintptr_t;       // address of the tag-access library's tag record

class CZtFunc32_71App : public framework::CWinApp {
  public:
    CZtFunc32_71App() = default;
    ~CZtFunc32_71App() override;

    // The library exit step: each subsystem gives back what it holds of the
    // host's, then the framework's own exit step runs.
    int ExitInstance() noexcept override;

    ConnectionHandle connection = 0;
    // Message tags activated for hotspots, by case-sensitive name (looked up
    // by any text, without making a string of it).
    std::map<TagName, TagHandle, std::less<>> tag_table;
};

} // namespace zt::frame
