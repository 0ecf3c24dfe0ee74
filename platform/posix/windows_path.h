// How the emulated platform maps Windows names onto this machine's file system.
//
//   ZT_SYSROOT   folder that stands for the machine's drives; drive letter X: is
//                the folder "$ZT_SYSROOT/x". Default: "$HOME/.ztfunc32", or
//                "/tmp/ztfunc32" without HOME.
//   Windows directory (C:\WINDOWS) is "$ZT_SYSROOT/c/windows"; it is created on
//   first use. Bare INI file names, "win.ini", "statx.ini" and the registry file
//   live there.
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
std::string windows_directory(); // created if missing
std::string to_posix_path(std::string_view windows_path);

// True when `path` names no directory at all (no "\", "/" or drive), so Windows
// would look for it in the Windows directory (profile files) or the search order.
bool is_bare_file_name(std::string_view path);

} // namespace zt::platform::posix
