// The library under soak, loaded by path as a host loads it, with the exports
// the soak calls bound by name. Either release: the earlier one has no
// ZtCntx32Cleanup and no ZtDllInit, and takes GetDiscOnMsg's argument off the
// stack itself.
#pragma once

#include "dynamic_library.h"
#include "ztfunc32.h"

#include <memory>
#include <string>

namespace soakhost {

// GetDiscOnMsg as the earlier release exports it.
using EarlierDiscMessage = const char*(ZT_CALLER*)(const char*)ZT_NOEXCEPT;

struct Exports {
    decltype(&::ZtCntx32) ZtCntx32 = nullptr;
    decltype(&::ZtCntx32Cleanup) ZtCntx32Cleanup = nullptr; // null in the earlier release
    decltype(&::TagExists) TagExists = nullptr;
    decltype(&::GetDiscOnMsg) GetDiscOnMsg = nullptr; // the current release's
    EarlierDiscMessage EarlierGetDiscOnMsg = nullptr; // the earlier release's
    decltype(&::SetTagEU) SetTagEU = nullptr;
    decltype(&::INIWriteString) INIWriteString = nullptr;
    decltype(&::INIReadString) INIReadString = nullptr;
    decltype(&::INIWriteInteger) INIWriteInteger = nullptr;
    decltype(&::INIReadInteger) INIReadInteger = nullptr;
    decltype(&::STATXSetStartDate) STATXSetStartDate = nullptr;
    decltype(&::STATXSetEndTime) STATXSetEndTime = nullptr;
    decltype(&::STATXSetProduct) STATXSetProduct = nullptr;
    decltype(&::ConvertTemp) ConvertTemp = nullptr;
    decltype(&::StdFromMetLinear) StdFromMetLinear = nullptr;
    decltype(&::GeoArea) GeoArea = nullptr;
    decltype(&::CreateFilenameFromDate) CreateFilenameFromDate = nullptr;
    decltype(&::PasteFunc) PasteFunc = nullptr;
    decltype(&::SystemIsNT) SystemIsNT = nullptr;
    decltype(&::ZtBeep32) ZtBeep32 = nullptr;
    decltype(&::ZtDllInit) ZtDllInit = nullptr; // null in the earlier release
};

class SoakLibrary {
  public:
    explicit SoakLibrary(const std::string& path);

    // Empty when every export the soak needs was found.
    const std::string& error() const { return error_; }
    bool earlier() const { return exports_.ZtCntx32Cleanup == nullptr; }
    const Exports& operator*() const { return exports_; }
    const Exports* operator->() const { return &exports_; }

    // The on-message of a discrete tag, as either release gives it.
    std::string disc_on_message(const char* tag_name) const;

  private:
    std::unique_ptr<zthost::DynamicLibrary> library_;
    Exports exports_;
    std::string error_;
};

} // namespace soakhost
