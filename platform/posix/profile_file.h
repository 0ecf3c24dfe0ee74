// File access for private-profile files: where a Windows file name lives,
// reading its text, and replacing it without ever leaving it half written.
#pragma once

#include <optional>
#include <string>

namespace zt::platform::posix {

// The POSIX path of a profile file name: bare names in the Windows
// directory, null meaning "win.ini", others through to_posix_path.
std::string profile_file_path(const char* file);

enum class ProfileFileState {
    present,  // a readable regular file
    absent,   // no such file, but its folder exists
    unusable, // folder missing, a directory, or unreadable
};

struct ProfileFileText {
    ProfileFileState state;
    std::string text; // empty unless present
};

ProfileFileText read_profile_file(const std::string& path);

// True when the existing file at `path` may be replaced by this process.
bool profile_file_writable(const std::string& path);

// Writes `text` to a new file in the same folder and renames it over `path`
// (keeping the old file's permissions). On failure the old file is untouched.
bool replace_profile_file(const std::string& path, const std::string& text);

} // namespace zt::platform::posix
