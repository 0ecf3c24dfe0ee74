// Windows entry point of the library. The C runtime constructs the library's
// static objects before DLL_PROCESS_ATTACH and destroys them after
// DLL_PROCESS_DETACH, so the application object exists for both steps.
#include "frame/library.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        return zt::frame::attach(zt::frame::application()) ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
        zt::frame::detach(zt::frame::application());
        return TRUE;
    default:
        return TRUE;
    }
}
