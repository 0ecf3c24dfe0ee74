// How the emulated platform maps Windows names onto this machine's file system.
//
//   ZT_SYSROOT   folder that stands for the machine's drives; drive letter X: is
//                the folder "$ZT_SYSROOT/x". Default: "$HOME/.ztfunc32", or
//                "/tmp/ztfunc32" without HOME.
//   Windows directory (C:\WINDOWS) is "$ZT_SYSROOT/c/windows". Bare INI file
//   names, "win.ini", "statx.ini" and the registry file live there. Reading
//   creates nothing; the first write of a file there creates the folder, since
//   a Windows machine always has it.
//
// A Windows path becomes a POSIX path by mapping its drive ("c:\..." or "C:/...")
// onto the drive folder and turning every backslash into a slash. A path that
// already starts with "/" is taken as a POSIX path. Nothing else changes: names
// keep their letter case.
#pragma once

#include <string>
#include <string_view>

namespace zt::platform::posix {

std::string sysroot();
std::string windows_directory();
// Creates the Windows directory (and the folders above it) if missing; false
// when it cannot be created.
bool create_windows_directory();
std::string to_posix_path(std::string_view windows_path);

// True when `path` names no directory at all (no "\", "/" or drive), so Windows
// would look for it in the Windows directory (profile files) or the search order.
bool is_bare_file_name(std::string_view path);

} // namespace zt::platform::posix
