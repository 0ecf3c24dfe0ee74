#include "soak_library.h"

namespace soakhost {
namespace {

template <class Function>
void bind(const zthost::DynamicLibrary& library, Function& function, const char* name,
          std::string& missing)
{
    function = reinterpret_cast<Function>(library.entry_point(name));
    if (function == nullptr) {
        missing += missing.empty() ? name : std::string(", ") + name;
    }
}

} // namespace

SoakLibrary::SoakLibrary(const std::string& path)
    : library_(std::make_unique<zthost::DynamicLibrary>(path))
{
    if (!library_->loaded()) {
        error_ = "cannot load " + path + ": " + library_->error();
        return;
    }
    const zthost::DynamicLibrary& library = *library_;
    std::string missing;
    bind(library, exports_.ZtCntx32, "ZtCntx32", missing);
    bind(library, exports_.TagExists, "TagExists", missing);
    bind(library, exports_.SetTagEU, "SetTagEU", missing);
    bind(library, exports_.INIWriteString, "INIWriteString", missing);
    bind(library, exports_.INIReadString, "INIReadString", missing);
    bind(library, exports_.INIWriteInteger, "INIWriteInteger", missing);
    bind(library, exports_.INIReadInteger, "INIReadInteger", missing);
    bind(library, exports_.STATXSetStartDate, "STATXSetStartDate", missing);
    bind(library, exports_.STATXSetEndTime, "STATXSetEndTime", missing);
    bind(library, exports_.STATXSetProduct, "STATXSetProduct", missing);
    bind(library, exports_.ConvertTemp, "ConvertTemp", missing);
    bind(library, exports_.StdFromMetLinear, "StdFromMetLinear", missing);
    bind(library, exports_.GeoArea, "GeoArea", missing);
    bind(library, exports_.CreateFilenameFromDate, "CreateFilenameFromDate", missing);
    bind(library, exports_.PasteFunc, "PasteFunc", missing);
    bind(library, exports_.SystemIsNT, "SystemIsNT", missing);
    bind(library, exports_.ZtBeep32, "ZtBeep32", missing);
    // The current release alone has the hotspot release and the logger's
    // exports; its GetDiscOnMsg takes its argument off the stack itself.
    exports_.ZtCntx32Cleanup = reinterpret_cast<decltype(exports_.ZtCntx32Cleanup)>(
        library.entry_point("ZtCntx32Cleanup"));
    if (exports_.ZtCntx32Cleanup != nullptr) {
        bind(library, exports_.GetDiscOnMsg, "GetDiscOnMsg", missing);
        void* init = library.entry_point("ZtDllInit");
        exports_.ZtDllInit = reinterpret_cast<decltype(exports_.ZtDllInit)>(
            init != nullptr ? init : library.entry_point("_ZtDllInit@0"));
    } else {
        bind(library, exports_.EarlierGetDiscOnMsg, "GetDiscOnMsg", missing);
    }
    if (!missing.empty()) {
        error_ = path + " lacks " + missing;
    }
}

std::string SoakLibrary::disc_on_message(const char* tag_name) const
{
    const char* text = exports_.GetDiscOnMsg != nullptr ? exports_.GetDiscOnMsg(tag_name)
                                                        : exports_.EarlierGetDiscOnMsg(tag_name);
    return text != nullptr ? text : "(null)";
}

} // namespace soakhost
