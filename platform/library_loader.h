// Loading a library at run time by path and looking up its entry points.
// win32: LoadLibraryA (a bare name in the system's search order) and
//        GetProcAddress.
// posix: the Windows path is mapped onto this machine (see
// platform/posix/windows_path.h) and its file name "NAME.DLL" (any letter case)
// becomes "libname.so", so "C:\Zt\ZTDEBUG.DLL" is "$ZT_SYSROOT/c/Zt/libztdebug.so"
// and the bare "ZTDEBUG.DLL" is "libztdebug.so" in dlopen's search order.
#pragma once

namespace zt::platform {

using LibraryHandle = void*; // null: not loaded

// Null when the library cannot be loaded, for whatever reason.
LibraryHandle load_library(const char* windows_path) noexcept;
void* find_entry_point(LibraryHandle library, const char* name) noexcept;

} // namespace zt::platform
