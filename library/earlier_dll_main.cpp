// Windows entry point of the earlier release. A refused heap registration
// fails the load.
//
// DllMain's types are spelled out (BOOL, HINSTANCE, DWORD, LPVOID) so that the
// library's code keeps <windows.h> inside platform/win32/.
#include "library/dll_runtime.h"
#include "library/earlier_load.h"

namespace {

constexpr unsigned long process_detach = 0; // DLL_PROCESS_DETACH
constexpr unsigned long process_attach = 1; // DLL_PROCESS_ATTACH
constexpr unsigned long thread_detach = 3;  // DLL_THREAD_DETACH

} // namespace

extern "C" int __stdcall DllMain(void* instance, unsigned long reason, void* reserved) noexcept
{
    switch (reason) {
    case process_attach:
        return zt::library::load_earlier_release(instance) ? 1 : 0;
    case process_detach:
        zt::library::unload_earlier_release();
        zt::library::give_back_runtime_at_unload(reserved);
        return 1;
    case thread_detach:
        zt::library::give_back_thread_runtime();
        return 1;
    default:
        return 1;
    }
}
