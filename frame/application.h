// The library's one application object: it owns the tag-access connection and
// the tag table that the tag and hotspot functions share.
#pragma once

#include "framework/win_app.h"

#include <cstdint>
#include <map>
#include <string>

namespace zt::frame {

using ConnectionHandle = std::uint32_t; // 0: no connection open
using TagHandle = std::uintptr_t;       // address of the tag-access library's tag record

class CZtFunc32_71App : public framework::CWinApp {
  public:
    CZtFunc32_71App();
    ~CZtFunc32_71App() override;

    const framework::MessageMap* GetMessageMap() const override;
    bool InitInstance() noexcept override;
    int ExitInstance() noexcept override;

    // Gives back every tag of the tag table, empties it and closes the
    // connection if one is open.
    void release_tags_and_connection() noexcept;

    ConnectionHandle connection = 0;
    // Message tags activated for hotspots, by case-sensitive name.
    std::map<std::string, TagHandle> tag_table;
};

} // namespace zt::frame
