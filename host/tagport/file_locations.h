// Where the stand-in finds its files. The host's application directory is the
// value of "ApplicationDirectory" in section "Vistrel" of "win.ini" ("c:\"
// when missing), the same directory in which ZtFunc32 patches "tagname.x".
// Natively a Windows path goes through the emulated platform's mapping
// (drive X: is $ZT_SYSROOT/x, see platform/posix/windows_path.h).
#pragma once

#include <string>

namespace tagport {

std::string application_directory();

// A path of this machine for `windows_path`.
std::string local_path(const std::string& windows_path);

// TAGPORT_DATABASE, or "tagport.tags" in the application directory.
std::string database_path();

// "tagname.x" in the application directory.
std::string tag_file_path();

} // namespace tagport
