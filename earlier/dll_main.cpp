// Windows entry point of the earlier release. A refused heap registration
// fails the load.
//
// DllMain's types are spelled out (BOOL, HINSTANCE, DWORD, LPVOID) so that the
// library's code keeps <windows.h> inside platform/win32/.
#include "earlier/library_load.h"
#include "frame/dll_runtime.h"

namespace {

constexpr unsigned long process_detach = 0; // DLL_PROCESS_DETACH
constexpr unsigned long process_attach = 1; // DLL_PROCESS_ATTACH
constexpr unsigned long thread_detach = 3;  // DLL_THREAD_DETACH

} // namespace

extern "C" int __stdcall DllMain(void* instance, unsigned long reason, void* reserved) noexcept
{
    switch (reason) {
    case process_attach:
        return zt::earlier::load_library(instance) ? 1 : 0;
    case process_detach:
        zt::earlier::unload_library();
        zt::frame::release_runtime_at_unload(reserved);
        return 1;
    case thread_detach:
        zt::frame::release_thread_runtime();
        return 1;
    default:
        return 1;
    }
}
