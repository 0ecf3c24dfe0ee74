// Windows entry point of the earlier release. A refused heap registration
// fails the load.
//
// DllMain's types are spelled out (BOOL, HINSTANCE, DWORD, LPVOID) so that the
// library's code keeps <windows.h> inside platform/win32/.
#include "earlier/library_load.h"

namespace {

constexpr unsigned long process_detach = 0; // DLL_PROCESS_DETACH
constexpr unsigned long process_attach = 1; // DLL_PROCESS_ATTACH

} // namespace

extern "C" int __stdcall DllMain(void* instance, unsigned long reason, void* /*reserved*/) noexcept
{
    switch (reason) {
    case process_attach:
        return zt::earlier::load_library(instance) ? 1 : 0;
    case process_detach:
        zt::earlier::unload_library();
        return 1;
    default:
        return 1;
    }
}
