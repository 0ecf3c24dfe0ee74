// Whether a program can be found on the system's search path, as SearchPathA
// with no path of its own and no default extension finds it.
// win32: SearchPathA. posix: the emulation in platform/posix/search_path.cpp.
#pragma once

namespace zt::platform {

// True when `file_name` is found in the standard search order; false when it
// is not, or when the search itself fails.
//
// Windows' order: the directory of the running executable, the current
// directory, the Windows directory's "system32", the Windows directory, then
// each entry of PATH. The emulated platform follows the same order on the
// emulated Windows directory ($ZT_SYSROOT/c/windows) and, because programs
// built for this machine carry no extension, a name ending in ".exe" (any
// case) also matches a file of the name without it ("statx.exe" -> "statx").
// A name with a directory part is looked up there only. As on Windows, a
// folder of the name counts as found. Unlike Windows, letter case must match
// (the file system here tells case apart).
bool search_path_finds(const char* file_name) noexcept;

} // namespace zt::platform
