// Windows entry point of the library. The attach step creates the application
// object (the first to ask for it); the C runtime destroys it after
// DLL_PROCESS_DETACH, so it exists for both steps.
//
// DllMain's types are spelled out (BOOL, HINSTANCE, DWORD, LPVOID) so that the
// library's code keeps <windows.h> inside platform/win32/.
#include "library/application.h"
#include "library/dll_runtime.h"

namespace {

constexpr unsigned long process_detach = 0; // DLL_PROCESS_DETACH
constexpr unsigned long process_attach = 1; // DLL_PROCESS_ATTACH
constexpr unsigned long thread_detach = 3;  // DLL_THREAD_DETACH

} // namespace

extern "C" int __stdcall DllMain(void* /*instance*/, unsigned long reason, void* reserved) noexcept
{
    switch (reason) {
    case process_attach:
        return zt::library::attach(zt::library::application()) ? 1 : 0;
    case process_detach:
        zt::library::detach(zt::library::application());
        zt::library::give_back_runtime_at_unload(reserved);
        return 1;
    case thread_detach:
        zt::library::give_back_thread_runtime();
        return 1;
    default:
        return 1;
    }
}
